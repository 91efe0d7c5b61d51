// Mission 1 complete: the announcement, the locked battlefield, the next level.
#include "model/core/mission_end.h"

#include "model/game.h"

namespace kr {

void win(Game& g) {
  g.BriefingPending = true;
  MsgB& box = g.msgB();
  box.Cap.caption = "Поздравляю!!!";
  box.Text.caption = "Вы прошли этот уровень!";
  box.CmdNo.caption = "ОК";
  box.CmdNo.visible = true;
  box.CmdYes.visible = false;
  g.form1().window.enabled = false;
  box.window.show();
  g.LevelNumber = static_cast<std::int16_t>(g.LevelNumber + 1);
  g.playCue("Pus.smus");
}

}  // namespace kr
