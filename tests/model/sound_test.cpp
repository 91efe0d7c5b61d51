// Sound cues go to the program's folder; the music switches of the in-game menu.
#include <gtest/gtest.h>

#include "model/audio/music.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

using SoundTest = GameTest;

TEST_F(SoundTest, CuesArePlayedFromTheProgramFolder) {
  game.playCue("Click.smus");
  EXPECT_EQ(platform.sounds, (std::vector<std::string>{"/game/Click.smus"}));
}

TEST_F(SoundTest, NothingPlaysOnceTheProgramHasEnded) {
  game.end();
  game.playCue("Pus.smus");
  EXPECT_TRUE(platform.sounds.empty());
  EXPECT_TRUE(platform.endCalled);
}

TEST_F(SoundTest, MusicSwitchStopsAndRestartsTheTrack) {
  startLevel(1);
  game.load<GameMenu>();  // the switches are the in-game menu's
  musicSwitchClick(game);  // caption "Выключить музыку": only stops the sound
  EXPECT_EQ(game.gameMenu().musicButton.caption, "Включить музыку");
  musicSwitchClick(game);
  EXPECT_EQ(game.gameMenu().musicButton.caption, "Выключить музыку");
  EXPECT_EQ(platform.sounds,
            (std::vector<std::string>{"/game/Pus.smus", "/game/in_your_face.mp3"}));
}

TEST_F(SoundTest, TrackSwitchAlternatesTheTwoTracks) {
  startLevel(1);
  game.load<GameMenu>();
  trackSwitchClick(game);
  EXPECT_EQ(game.gameMenu().trackButton.caption, "In your face");
  EXPECT_EQ(game.musicPath, "/game/SONNE.wav");
  trackSwitchClick(game);
  EXPECT_EQ(game.gameMenu().trackButton.caption, "Rammstein!");
  EXPECT_EQ(game.musicPath, "/game/in_your_face.wav");
  EXPECT_EQ(platform.sounds,
            (std::vector<std::string>{"/game/SONNE.wav", "/game/in_your_face.wav"}));
}

}  // namespace
}  // namespace kr::test
