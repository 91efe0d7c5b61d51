// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/message_box_window.h"

#include "ui/game_ui.h"

namespace kr {

MessageBoxWindow::MessageBoxWindow(GameUi& ui) : ui_(ui) {}

void MessageBoxWindow::sync() {
  const bool visible = ui_.game.msgB().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
