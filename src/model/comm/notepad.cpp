// The notepad: the mission's chat lines, and bringing one back onto the chat box.
#include "model/comm/notepad.h"

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/game.h"

namespace kr {

void notePadAddLine(Game& g, const std::string& line) {
  // Loads the notepad hidden when it is not loaded yet.
  g.notePad().List1.push_back(line);
}

void notePadBackClick(Game& g) {
  g.form3().window.show();
  g.notePad().window.visible = false;
}

void notePadKeyDown(Game& g, int keyCode) {
  if (keyCode != kKeyEscape) return;
  // Straight back to the battlefield; the menu stays open behind it, the game paused.
  Form1& f = g.form1();
  f.window.enabled = true;
  f.window.activate();
  f.focus = Focus::Map;
  g.notePad().window.visible = false;
}

void notePadDoubleClick(Game& g, int line) {
  NotePadFrm& n = g.notePad();
  if (line < 0 || line >= static_cast<int>(n.List1.size())) return;
  n.listIndex = line;
  showChatNotice(g, "Блокнот: " + n.List1[static_cast<std::size_t>(line)]);
}

}  // namespace kr
