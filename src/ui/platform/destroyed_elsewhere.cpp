// Watches the X events of the game's window for its destruction by another program.
#include "ui/platform/destroyed_elsewhere.h"

#include <xcb/xcb.h>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace kr {

namespace {

class DestroyedWatch : public QObject, public QAbstractNativeEventFilter {
 public:
  DestroyedWatch(QWidget* window, std::function<void()> gone)
      : QObject(window), window_(window), gone_(std::move(gone)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~DestroyedWatch() override {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t" || !window_) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto kind = event->response_type & 0x7f;
    if (kind == 0) {
      // Qt goes on drawing into the window until the game has ended: its errors are no news.
      const auto* error = reinterpret_cast<const xcb_generic_error_t*>(event);
      return dead_ != 0 && error->resource_id == dead_;
    }
    if (kind != XCB_DESTROY_NOTIFY || dead_ != 0) return false;
    const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
    // Qt destroys the old X window itself after it has made a new one for the widget.
    if (destroyed->window != static_cast<xcb_window_t>(window_->internalWinId())) return false;
    dead_ = destroyed->window;
    gone_();
    return false;
  }

 private:
  QPointer<QWidget> window_;
  std::function<void()> gone_;
  xcb_window_t dead_ = 0;
};

}  // namespace

void onDestroyedElsewhere(QWidget* window, std::function<void()> gone) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  new DestroyedWatch(window, std::move(gone));
}

}  // namespace kr
