// The notepad: the mission's chat lines, and bringing one back onto the chat box.
#include "model/comm/notepad.h"

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/windows.h"
#include "model/text.h"
#include "model/texts.h"

namespace kr {

void notepadAddLine(Game& g, const std::string& line) {
  // Loads the notepad hidden when it is not loaded yet.
  g.load<Notepad>().lines.push_back(line);
}

void notepadBackClick(Game& g) {
  if (!canClick(g, &Notepad::backButton)) return;
  g.gameMenu().window.show();
  g.notepad().window.visible = false;
}

void notepadKeyDown(Game& g, int keyCode) {
  if (keyCode != kKeyEscape || !takesInput<Notepad>(g)) return;
  // Straight back to the battlefield; the menu stays open behind it, the game paused.
  backToBattlefield(g);
  g.battlefield().focus = Focus::Map;
  g.notepad().window.visible = false;
}

void notepadDoubleClick(Game& g, int line) {
  if (!canClick(g, &Notepad::lineList)) return;
  Notepad& n = g.notepad();
  if (line < 0 || line >= static_cast<int>(n.lines.size())) return;
  n.selectedLine = line;
  showChatNotice(g, fillIn(text::kNotepadLine, {n.lines[static_cast<std::size_t>(line)]}));
}

}  // namespace kr
