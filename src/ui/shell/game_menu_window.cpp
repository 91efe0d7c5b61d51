// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/game_menu_window.h"

#include "ui/game_ui.h"

namespace kr {

GameMenuWindow::GameMenuWindow(GameUi& ui) : ui_(ui) {}

void GameMenuWindow::sync() {
  const bool visible = ui_.game.form3().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
