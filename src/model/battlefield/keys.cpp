// The battlefield's keys: Esc pauses behind the in-game menu, Enter the chat line, I the goal.
#include "model/battlefield/keys.h"

#include "model/comm/chat.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/shell/windows.h"

namespace kr {

namespace {

void pause(Game& g) {
  g.backdrop().window.show();
  g.load<GameMenu>().window.show();
  Battlefield& f = g.battlefield();
  f.window.enabled = false;
  g.clock.pauseForMenu();
}

void toggleChatLine(Game& g) {
  Battlefield& f = g.battlefield();
  if (f.placementPending) return;
  f.focus = Focus::Map;
  chatSubmit(g);
  f.chatLine.visible = !f.chatLine.visible;
  if (f.chatLine.visible) f.focus = Focus::ChatLine;
}

// The goal shows for a full five seconds again, however long it has shown.
void showMissionGoal(Game& g) { showChatNotice(g, g.missionGoalText); }

}  // namespace

void battlefieldKeyDown(Game& g, int keyCode) {
  // A hidden window, or a disabled one (the in-game menu is open), receives no keys.
  if (!takesInput<Battlefield>(g)) return;
  switch (keyCode) {
    case kKeyEscape: pause(g); break;
    case kKeyEnter: toggleChatLine(g); break;
    case kKeyI: showMissionGoal(g); break;
    default: break;
  }
}

}  // namespace kr
