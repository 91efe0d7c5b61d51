// The game's own message box: filling it, its flagged actions and dragging its caption.
#include "model/shell/message_box.h"

#include "model/game.h"
#include "model/persist/save_file.h"

namespace kr {

void showMessageBox(Game& g, const std::string& text, int mode, const std::string& caption) {
  MsgB& box = g.msgB();
  box.Cap.caption = caption;
  box.Text.caption = text;
  if (mode == 1) {
    box.CmdNo.caption = "ОК";
    box.CmdYes.visible = false;
  }
  box.window.show();
}

void msgYesClick(Game& g) {
  if (g.LoadConfirmPending) {
    g.LoadConfirmPending = false;
    g.unloadForm1();
    g.unloadFon();
    g.unloadForm3();
    g.welcome();  // loaded, not shown: its loading clears the three flags
    zagr(g);
    if (!g.BriefingPending) {
      // The saved game could not be read (the loader has said so): the player goes on
      // from the main menu.
      WElcome& menu = g.welcome();
      menu.window.enabled = true;
      menu.window.show();
      g.unloadMsgB();
    }
  }
  if (g.ExitConfirmPending) g.end();
}

void msgNoClick(Game& g) {
  if (g.BriefingPending) {
    g.form2().window.show();
    g.unloadWelcome();
    g.unloadMsgB();
    g.BriefingPending = false;
    g.unloadForm1();
  }
  if (g.LoadConfirmPending) {
    g.LoadConfirmPending = false;
    g.fon().window.show();
    g.form3().window.show();
    g.unloadMsgB();
    g.form3().window.enabled = true;
  }
  if (g.ExitConfirmPending) {
    g.ExitConfirmPending = false;
    g.unloadMsgB();
    g.form3().window.enabled = true;
    g.fon().window.show();
    g.form3().window.show();
  }
}

void msgCaptionMouseDown(Game& g) { g.msgB().dragging = true; }

void msgCaptionMouseMove(Game& g) {
  MsgB& box = g.msgB();
  if (!box.dragging) return;
  // The box follows only while the pointer is over the caption strip.
  const Point p = g.platform.cursorPos();
  const float x = static_cast<float>(p.x) - box.left;
  const float y = static_cast<float>(p.y) - box.top;
  const Control& cap = box.Cap;
  if (x < cap.left || x >= cap.right() || y < cap.top || y >= cap.bottom()) return;
  box.left = static_cast<float>(p.x);
  box.top = static_cast<float>(p.y);
}

void msgCaptionMouseUp(Game& g) { g.msgB().dragging = false; }

}  // namespace kr
