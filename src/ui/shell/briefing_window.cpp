// Not yet built: a window that only shows and hides with its model.
#include "ui/shell/briefing_window.h"

#include "ui/game_ui.h"

namespace kr {

BriefingWindow::BriefingWindow(GameUi& ui) : ui_(ui) {}

void BriefingWindow::sync() {
  const bool visible = ui_.game.form2().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
