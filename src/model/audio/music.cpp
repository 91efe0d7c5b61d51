// The music switch and the track switch of the in-game menu.
#include "model/audio/music.h"

#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/texts.h"

namespace kr {

void musicSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::musicButton)) return;
  Control& b = g.gameMenu().musicButton;
  if (b.caption != text::kMusicOff) {
    b.caption = text::kMusicOff;
    g.platform.playSound(g.musicPath);
  } else {
    b.caption = text::kMusicOn;
    g.playCue(cue::kWhoosh);
  }
}

void trackSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::trackButton)) return;
  Control& b = g.gameMenu().trackButton;
  if (b.caption != text::kSecondTrack) {
    b.caption = text::kSecondTrack;
    g.musicPath = g.soundFile(cue::kMusicWave);
  } else {
    b.caption = text::kFirstTrack;
    g.musicPath = g.soundFile(cue::kSecondTrack);
  }
  g.platform.playSound(g.musicPath);
}

}  // namespace kr
