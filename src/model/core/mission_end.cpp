// Mission 1 complete: the announcement, the locked battlefield, the next level.
#include "model/core/mission_end.h"

#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "model/texts.h"

namespace kr {

void win(Game& g) {
  g.briefingPending = true;
  MessageBox& box = g.load<MessageBox>();
  box.captionBar.caption = text::kCongratulations;
  box.text.caption = text::kLevelPassed;
  box.noButton.caption = text::kOkAnswer;
  box.noButton.visible = true;
  box.yesButton.visible = false;
  g.battlefield().window.enabled = false;
  box.window.show();
  g.levelNumber = static_cast<std::int16_t>(g.levelNumber + 1);
  g.playCue(cue::kWhoosh);
}

}  // namespace kr
