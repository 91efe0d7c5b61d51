// The music switch and the track switch of the in-game menu.
#include "model/audio/music.h"

#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

void musicSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::musicButton)) return;
  Control& b = g.gameMenu().musicButton;
  if (b.caption != "Выключить музыку") {
    b.caption = "Выключить музыку";
    g.platform.playSound(g.musicPath);
  } else {
    b.caption = "Включить музыку";
    g.playCue(cue::kWhoosh);
  }
}

void trackSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::trackButton)) return;
  Control& b = g.gameMenu().trackButton;
  if (b.caption != "Rammstein!") {
    b.caption = "Rammstein!";
    g.musicPath = g.programFile(cue::kMusicWave);
  } else {
    b.caption = "In your face";
    g.musicPath = g.programFile(cue::kSecondTrack);
  }
  g.platform.playSound(g.musicPath);
}

}  // namespace kr
