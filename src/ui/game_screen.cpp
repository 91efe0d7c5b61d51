// The game's one window on the desktop, and the keyboard among its layers.
#include "ui/game_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindowStateChangeEvent>

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
  // F11 wherever the keyboard is in the game's window, before any control sees the key.
  auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
  f11->setContext(Qt::WindowShortcut);
  connect(f11, &QShortcut::activated, this, [this] { switchPlacement(); });
}

void GameScreen::showOnScreen(const WindowPlacement& placement) {
  windowed_ = placement.windowed;
  windowedSize_ = placement.size;
  showAsPlaced();
}

void GameScreen::showAsPlaced() {
  if (windowed_) showOrdinaryWindow();
  else showMaximisedWindow();
  // The game takes the keyboard as it comes up, even where no window manager gives it.
  activateWindow();
}

void GameScreen::showMaximisedWindow() {
  switching_ = isVisible();
  setMinimumSize(0, 0);
  // Changing the frame hides the window: it is shown again at once.
  if (!(windowFlags() & Qt::FramelessWindowHint)) setWindowFlag(Qt::FramelessWindowHint, true);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  showMaximized();
}

void GameScreen::showOrdinaryWindow() {
  switching_ = isVisible();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect usable = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
  // First time: two thirds of the screen, never below the smallest window.
  if (windowedSize_.isEmpty()) windowedSize_ = usable.size() * 2 / 3;
  const QSize size = windowedSize_.expandedTo(kSmallestWindow);
  if (windowFlags() & Qt::FramelessWindowHint) setWindowFlag(Qt::FramelessWindowHint, false);
  setMinimumSize(kSmallestWindow);
  setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  setGeometry(QRect(QPoint(0, 0), size)
                  .translated(usable.center() - QPoint(size.width() / 2, size.height() / 2)));
  showNormal();
}

void GameScreen::switchPlacement() {
  if (windowed_) windowedSize_ = size();
  windowed_ = !windowed_;
  showAsPlaced();
}

WindowPlacement GameScreen::placement() const {
  return {windowed_, windowed_ ? size() : windowedSize_};
}

void GameScreen::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const Qt::WindowStates state = windowState();
  const bool maximised = state & (Qt::WindowMaximized | Qt::WindowFullScreen);
  if (switching_) {
    // Placed as the switch asked: from now on a change is the player's.
    if (maximised != windowed_) switching_ = false;
    return;
  }
  const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  // The frame's maximise button; or the desktop's restore of the maximised window (not its
  // coming back from the task bar, which passes through a minimised state).
  const bool maximisedByDesktop = windowed_ && maximised;
  const bool restoredByDesktop =
      !windowed_ && state == Qt::WindowNoState && old == Qt::WindowMaximized;
  if (maximisedByDesktop || restoredByDesktop)
    QMetaObject::invokeMethod(
        this, [this] { switchPlacement(); }, Qt::QueuedConnection);
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
