// Mission 1 complete: the announcement, the locked battlefield, the next level.
#include "model/core/mission_end.h"

#include "model/cues.h"
#include "model/game.h"

namespace kr {

void win(Game& g) {
  g.briefingPending = true;
  MessageBox& box = g.load<MessageBox>();
  box.captionBar.caption = "Поздравляю!!!";
  box.text.caption = "Вы прошли этот уровень!";
  box.noButton.caption = "ОК";
  box.noButton.visible = true;
  box.yesButton.visible = false;
  g.battlefield().window.enabled = false;
  box.window.show();
  g.levelNumber = static_cast<std::int16_t>(g.levelNumber + 1);
  g.playCue(cue::kWhoosh);
}

}  // namespace kr
