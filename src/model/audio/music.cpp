// The music switch and the track switch of the in-game menu.
#include "model/audio/music.h"

#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/shell/windows.h"
#include "model/texts.h"

namespace kr {

void musicSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::musicButton)) return;
  GameMenu& m = g.gameMenu();
  m.musicOn = !m.musicOn;
  m.musicButton.caption = m.musicOn ? text::kMusicOff : text::kMusicOn;
  // A cue on the one sound channel stops the music.
  if (m.musicOn) g.platform.playSound(g.musicPath);
  else g.playCue(cue::kWhoosh);
}

void trackSwitchClick(Game& g) {
  if (!canClick(g, &GameMenu::trackButton)) return;
  GameMenu& m = g.gameMenu();
  m.secondTrack = !m.secondTrack;
  m.trackButton.caption = m.secondTrack ? text::kFirstTrack : text::kSecondTrack;
  g.musicPath = g.soundFile(m.secondTrack ? cue::kSecondTrack : cue::kMusicWave);
  g.platform.playSound(g.musicPath);
}

}  // namespace kr
