// The backdrop: the whole screen in translucent black; it takes neither input nor the focus.
#include "ui/shell/backdrop_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"

namespace kr {

BackdropWindow::BackdropWindow(GameUi& ui) : ui_(ui) {
  makeBlackFrameless(this);
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void BackdropWindow::sync() {
  Game& g = ui_.game;
  const Fon& m = g.fon();
  // The whole screen, and at least the battlefield.
  QRect area(0, 0, g.ScreenWidth, g.FullScreenHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) area |= screen->geometry();
  placeWindow(this, area);
  const qreal opacity = m.opacity / 255.0;
  if (!qFuzzyCompare(windowOpacity(), opacity)) setWindowOpacity(opacity);
  syncWindow(this, m.window);
}

void BackdropWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace kr
