// The backdrop: the whole screen in translucent black over the battlefield; it takes
// neither input nor the focus.
#include "ui/shell/backdrop_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
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

BackdropWindow::~BackdropWindow() { followBattlefield(false); }

BattlefieldWindow* BackdropWindow::battlefieldBehind() const {
  BattlefieldWindow* b = ui_.battlefield();
  return b && b->isVisible() ? b : nullptr;
}

void BackdropWindow::redrawBehind() { update(); }

void BackdropWindow::followBattlefield(bool follow) {
  if (follow == following_) return;
  following_ = follow;
  // Every repaint of the battlefield's controls passes here while it is covered.
  if (follow) qApp->installEventFilter(this);
  else qApp->removeEventFilter(this);
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
  if (m.window.visible && (!isVisible() || m.window.raised != raised_)) redrawBehind();
  raised_ = m.window.raised;
  // The backdrop lies over the battlefield while the battlefield waits behind it, disabled;
  // once the battlefield takes input again it has come in front.
  const bool covers = m.window.visible && g.loaded<Battlefield>() &&
                      g.battlefield().window.visible && !g.battlefield().window.enabled;
  if (covers && !following_) redrawBehind();
  followBattlefield(covers);
  syncShown();
}

bool BackdropWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint || drawingBehind_ || !watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  BattlefieldWindow* b = battlefieldBehind();
  if (!b || w->window() != b) return false;
  const QPoint at = w->mapTo(b, QPoint(0, 0)) + b->geometry().topLeft() - geometry().topLeft();
  update(static_cast<QPaintEvent*>(event)->region().translated(at));
  return false;
}

void BackdropWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  QRegion black = event->region();
  if (BattlefieldWindow* b = battlefieldBehind()) {
    const QPoint at = b->geometry().topLeft() - geometry().topLeft();
    const QRegion behind = black & QRect(at, b->size());
    if (!behind.isEmpty()) {
      // The battlefield draws the part asked of it with that part's corner at the offset.
      drawingBehind_ = true;
      b->render(&p, behind.boundingRect().topLeft(), behind.translated(-at));
      drawingBehind_ = false;
      black -= behind;
    }
  }
  for (const QRect& r : black) p.fillRect(r, Qt::black);
  p.fillRect(event->rect(), QColor(0, 0, 0, alpha_));
}

void BackdropWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace kr
