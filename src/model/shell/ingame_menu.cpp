// The in-game menu: resume, restart, the load and quit questions, the notepad.
#include "model/shell/ingame_menu.h"

#include "model/battlefield/keys.h"
#include "model/game.h"
#include "model/shell/message_box.h"

namespace kr {

namespace {

const char* const kSureCaption = "Уверены?";

}  // namespace

void form3Load(Game& g) { g.form1().window.enabled = false; }

void menuKeyDown(Game& g, int keyCode) {
  if (keyCode != kKeyEscape) return;
  Form1& f = g.form1();
  f.window.enabled = true;
  f.window.activate();
  g.form3().window.visible = false;
  // Each stopped timer starts again with a full interval.
  Clock& c = g.clock;
  c.setEnabled(f.timers.Timer1, true);
  if (g.LevelNumber > 1) c.setEnabled(f.timers.Bot, true);
  c.setEnabled(f.timers.Timer2, true);
  c.setEnabled(f.timers.Timer3, true);
  c.setEnabled(f.timers.Timer8, true);
}

void restartClick(Game& g) {
  g.playCue("Pus.smus");
  g.unloadForm1();
  g.form2();  // sets the battlefield up again for the same level
  g.unloadForm3();
  g.form2().window.show();
}

void menuLoadClick(Game& g) {
  MsgB& box = g.msgB();
  box.window.show();
  box.Cap.caption = kSureCaption;
  box.Text.caption =
      "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)";
  g.form3().window.enabled = false;
  g.LoadConfirmPending = true;
}

void notePadClick(Game& g) { g.notePad().window.show(); }

void menuExitClick(Game& g) {
  g.playCue("Pus.smus");
  showMessageBox(g, "Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)",
                 0, kSureCaption);
  g.form3().window.enabled = false;
  g.ExitConfirmPending = true;
}

}  // namespace kr
