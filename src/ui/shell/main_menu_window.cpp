// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/main_menu_window.h"

#include "ui/game_ui.h"

namespace kr {

MainMenuWindow::MainMenuWindow(GameUi& ui) : ui_(ui) {}

void MainMenuWindow::sync() {
  const bool visible = ui_.game.welcome().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
