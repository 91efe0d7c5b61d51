// The server's pictures looked for per native window, and the places they cover repainted
// when the window is exposed.
#include "ui/platform/shown_aside.h"

#include <QEvent>
#include <QWidget>

#include "ui/platform/server_pictures.h"

namespace kr {

ShownAside::ShownAside(QWidget* widget) : QObject(widget), widget_(widget) {}

ShownAside::~ShownAside() = default;

void ShownAside::watch(QWindow* window) {
  if (lookedIn_) lookedIn_->removeEventFilter(this);
  lookedIn_ = window;
  lookedAt_ = window ? window->winId() : 0;
  if (window) window->installEventFilter(this);
}

void ShownAside::setServer(std::unique_ptr<ServerPictures> server) {
  server_ = std::move(server);
  watch(widget_->window()->windowHandle());
}

ServerPictures* ShownAside::server() {
  if (!widget_->isVisible() || widget_->devicePixelRatio() != 1) return nullptr;
  QWindow* w = widget_->window()->windowHandle();
  if (!w || !w->isExposed()) return nullptr;
  // Pictures kept for another native window are of no use in this one.
  if (w != lookedIn_ || w->winId() != lookedAt_) {
    server_ = ServerPictures::forWindowOf(widget_);
    watch(w);
  }
  return server_.get();
}

QPoint ShownAside::inWindow(QPoint p) const {
  const QWidget* native = widget_->isWindow() ? widget_ : widget_->nativeParentWidget();
  return widget_->mapTo(native, p);
}

QRegion ShownAside::take() {
  QRegion taken;
  taken.swap(region_);
  return taken;
}

bool ShownAside::eventFilter(QObject* watched, QEvent* event) {
  // The server shows the window's buffer where the window was covered: what it drew there
  // itself is gone.
  if (event->type() == QEvent::Expose && watched == lookedIn_ && !region_.isEmpty())
    widget_->update(take());
  return QObject::eventFilter(watched, event);
}

}  // namespace kr
