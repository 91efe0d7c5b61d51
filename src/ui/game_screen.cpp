// The game's one window on the desktop, and the keyboard among its layers.
#include "ui/game_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "model/texts.h"
#include "ui/application.h"
#include "ui/platform/destroyed_elsewhere.h"

namespace kr {

GameScreen::GameScreen() {
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QString::fromUtf8(text::kGameName.c_str()));
  // Black wherever no layer lies (painted, not set in the palette, which the layers inherit:
  // their controls keep the desktop style's colours).
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The layers take the keyboard; the window itself only passes it on.
  setFocusPolicy(Qt::NoFocus);
  // Destroyed by another program, the window is closed all the same.
  onDestroyedElsewhere(this, [this] {
    if (onClose_) onClose_();
  });
}

void GameScreen::showOnScreen() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  showMaximized();
  // The game takes the keyboard as it comes up, even where no window manager gives it.
  activateWindow();
}

void GameScreen::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  for (const QRect& r : event->region()) p.fillRect(r, Qt::black);
}

void GameScreen::resizeEvent(QResizeEvent*) {
  qCInfo(startLog).noquote() << QStringLiteral("game window %1 x %2").arg(width()).arg(height());
  if (onResize_) onResize_();
}

void GameScreen::closeEvent(QCloseEvent* event) {
  // The game decides when the program ends.
  event->ignore();
  if (onClose_) onClose_();
}

namespace {

bool takesKeyboard(const QWidget* w, const QWidget* layer) {
  return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(layer);
}

}  // namespace

void giveKeyboardTo(QWidget* layer) {
  if (!layer || !layer->isEnabled()) return;
  // The control that had the keyboard last took it once, whatever its focus policy says of
  // the Tab key (the map takes it by a click or when the game gives it).
  QWidget* last = layer->focusWidget();
  if (last && last != layer && layer->isAncestorOf(last) && last->isEnabled() &&
      last->isVisibleTo(layer)) {
    last->setFocus(Qt::ActiveWindowFocusReason);
    return;
  }
  for (QWidget* w = layer->nextInFocusChain(); w != layer && layer->isAncestorOf(w);
       w = w->nextInFocusChain()) {
    if (takesKeyboard(w, layer)) {
      w->setFocus(Qt::ActiveWindowFocusReason);
      return;
    }
  }
  layer->setFocus(Qt::ActiveWindowFocusReason);
}

bool hasKeyboard(const QWidget* layer) {
  const QWidget* focus = layer->window()->focusWidget();
  return focus && (focus == layer || layer->isAncestorOf(focus));
}

}  // namespace kr
