// Not yet built: a window that only shows and hides with its model.
#include "ui/comm/notepad_window.h"

#include "ui/game_ui.h"

namespace kr {

NotepadWindow::NotepadWindow(GameUi& ui) : ui_(ui) {}

void NotepadWindow::sync() {
  const bool visible = ui_.game.notePad().window.visible;
  if (isVisible() != visible) setVisible(visible);
}

}  // namespace kr
