// The backdrop: the whole screen in translucent black; it takes neither input nor the focus.
#include "ui/shell/backdrop_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "model/game.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"

namespace kr {

BackdropWindow::BackdropWindow(GameUi& ui) : GameWindow(ui) {
  makeBlackFrameless(this);
  keepOverGame(this);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void BackdropWindow::captureBehind() {
  behind_ = QPixmap();
  if (BattlefieldWindow* b = ui_.battlefield(); b && b->isVisible()) {
    behind_ = b->grab();
    behindAt_ = b->geometry().topLeft() - geometry().topLeft();
  }
  update();
}

void BackdropWindow::sync() {
  const Game& g = ui_.game;
  const Backdrop& m = model();
  // The whole screen, and at least the battlefield.
  QRect area(0, 0, g.screenWidth, g.fullScreenHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) area |= screen->geometry();
  place(area);
  if (alpha_ != m.opacity) {
    alpha_ = m.opacity;
    update();
  }
  if (m.window.visible && (!isVisible() || m.window.raised != raised_)) captureBehind();
  raised_ = m.window.raised;
  syncShown();
}

void BackdropWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (behind_.isNull()) {
    p.fillRect(rect(), Qt::black);
    return;
  }
  p.fillRect(rect(), Qt::black);
  p.drawPixmap(behindAt_, behind_);
  p.fillRect(rect(), QColor(0, 0, 0, alpha_));
}

void BackdropWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace kr
