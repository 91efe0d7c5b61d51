// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/about_window.h"

#include "ui/game_ui.h"

namespace kr {

AboutWindow::AboutWindow(GameUi& ui) : ui_(ui) {}

void AboutWindow::sync() {
  const bool visible = ui_.game.about().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
