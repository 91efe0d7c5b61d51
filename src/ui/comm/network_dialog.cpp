// Not yet built: a window that only shows and hides with its model.
#include "ui/comm/network_dialog.h"

#include "ui/game_ui.h"

namespace kr {

NetworkDialog::NetworkDialog(GameUi& ui) : ui_(ui) {}

void NetworkDialog::sync() {
  const bool visible = ui_.game.setka().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
