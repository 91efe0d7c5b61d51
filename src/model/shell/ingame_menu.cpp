// The in-game menu: resume, restart, the load and quit questions, the notepad.
#include "model/shell/ingame_menu.h"

#include "model/battlefield/keys.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "model/texts.h"

namespace kr {

void gameMenuLoad(Game& g) { g.battlefield().window.enabled = false; }

void backToBattlefield(Game& g) {
  Battlefield& f = g.battlefield();
  f.window.enabled = true;
  f.window.activate();
}

void menuKeyDown(Game& g, int keyCode) {
  if (keyCode != kKeyEscape || !takesInput<GameMenu>(g)) return;
  backToBattlefield(g);
  g.gameMenu().window.visible = false;
  // Each stopped timer starts again with a full interval.
  g.clock.resumeAfterMenu();
}

void restartClick(Game& g) {
  if (!canClick(g, &GameMenu::restartButton)) return;
  g.playCue(cue::kWhoosh);
  g.unload<Battlefield>();
  g.load<Briefing>();  // sets the battlefield up again for the same level
  g.unload<GameMenu>();
  g.briefing().window.show();
}

void menuLoadClick(Game& g) {
  if (!canClick(g, &GameMenu::loadButton)) return;
  MessageBox& box = g.load<MessageBox>();
  box.window.show();
  box.captionBar.caption = text::kSure;
  box.text.caption = text::kSureToLoad;
  g.gameMenu().window.enabled = false;
  g.loadConfirmPending = true;
}

void notepadClick(Game& g) {
  if (!canClick(g, &GameMenu::notepadButton)) return;
  g.load<Notepad>().window.show();
}

void menuExitClick(Game& g) {
  if (!canClick(g, &GameMenu::exitButton)) return;
  g.playCue(cue::kWhoosh);
  showMessageBox(g, text::kSureToExit, Answers::kYesNo, text::kSure);
  g.gameMenu().window.enabled = false;
  g.exitConfirmPending = true;
}

}  // namespace kr
