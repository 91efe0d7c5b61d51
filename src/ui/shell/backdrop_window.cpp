// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/backdrop_window.h"

#include "ui/game_ui.h"

namespace kr {

BackdropWindow::BackdropWindow(GameUi& ui) : ui_(ui) {}

void BackdropWindow::sync() {
  const bool visible = ui_.game.fon().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
