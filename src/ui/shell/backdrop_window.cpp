// The backdrop: the game's window in translucent black over the windows below it; it takes
// neither input nor the keyboard.
#include "ui/shell/backdrop_window.h"

#include <QPaintEvent>
#include <QPainter>

#include "model/shell/windows.h"
#include "ui/game_ui.h"

namespace kr {

BackdropWindow::BackdropWindow(GameUi& ui) : GameWindow(ui) {
  // Not opaque: Qt draws the windows below first and this one over them.
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
}

void BackdropWindow::sync() {
  place(parentWidget()->rect());
  const int alpha = model().opacity;
  if (alpha_ != alpha) {
    alpha_ = alpha;
    update();
  }
  syncShown();
}

void BackdropWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  for (const QRect& r : event->region()) p.fillRect(r, QColor(0, 0, 0, alpha_));
}

}  // namespace kr
