// The battlefield's keys: Esc pauses behind the in-game menu, Enter the chat line, I the goal.
#include "model/battlefield/keys.h"

#include "model/comm/chat.h"
#include "model/game.h"

namespace kr {

namespace {

void pause(Game& g) {
  g.fon().window.show();
  g.form3().window.show();
  Form1& f = g.form1();
  f.window.enabled = false;
  for (const TimerId t : {f.timers.Timer1, f.timers.Timer2, f.timers.Timer3, f.timers.Timer8,
                          f.timers.Bot})
    g.clock.setEnabled(t, false);
}

void toggleChatLine(Game& g) {
  Form1& f = g.form1();
  if (f.PlacementPending) return;
  f.focus = Focus::Map;
  chatSubmit(g);
  f.chatText.visible = !f.chatText.visible;
  if (f.chatText.visible) f.focus = Focus::ChatText;
}

void showMissionGoal(Game& g) {
  Form1& f = g.form1();
  // Stopping first gives the goal a full five seconds again.
  g.clock.setEnabled(f.timers.Timer7, false);
  f.chat.caption = g.MissionGoalText;
  f.chat.visible = true;
  g.clock.setEnabled(f.timers.Timer7, true);
}

}  // namespace

void battlefieldKeyDown(Game& g, int keyCode) {
  // A disabled window (the in-game menu is open) receives no keys.
  if (!g.form1().window.enabled) return;
  switch (keyCode) {
    case kKeyEscape: pause(g); break;
    case kKeyEnter: toggleChatLine(g); break;
    case kKeyI: showMissionGoal(g); break;
    default: break;
  }
}

}  // namespace kr
