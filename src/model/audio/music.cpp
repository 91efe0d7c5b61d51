// The music switch and the track switch of the in-game menu.
#include "model/audio/music.h"

#include "model/game.h"

namespace kr {

void musicSwitchClick(Game& g) {
  Control& b = g.form3().Command3;
  if (b.caption != "Выключить музыку") {
    b.caption = "Выключить музыку";
    g.platform.playSound(g.MusicPath);
  } else {
    b.caption = "Включить музыку";
    g.playCue("Pus.smus");
  }
}

void trackSwitchClick(Game& g) {
  Control& b = g.form3().Command4;
  if (b.caption != "Rammstein!") {
    b.caption = "Rammstein!";
    g.MusicPath = g.programFile("in_your_face.wav");
  } else {
    b.caption = "In your face";
    g.MusicPath = g.programFile("SONNE.wav");
  }
  g.platform.playSound(g.MusicPath);
}

}  // namespace kr
