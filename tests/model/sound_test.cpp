// Sound cues go to the program's folder; the music switches of the in-game menu.
#include <gtest/gtest.h>

#include "model/audio/music.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class SoundTest : public GameTest {
 protected:
  // The in-game menu open over mission 1. Its music switches are hidden as the menu is
  // stored and nothing in the game shows them; shown, they work as below.
  GameMenu& menuWithMusicSwitches() {
    startLevel(1);
    battlefieldKeyDown(game, kKeyEscape);
    GameMenu& menu = game.gameMenu();
    menu.musicButton.visible = true;
    menu.trackButton.visible = true;
    return menu;
  }
};

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
  const GameMenu& menu = menuWithMusicSwitches();
  musicSwitchClick(game);  // caption "Выключить музыку": only stops the sound
  EXPECT_EQ(menu.musicButton.caption, "Включить музыку");
  musicSwitchClick(game);
  EXPECT_EQ(menu.musicButton.caption, "Выключить музыку");
  EXPECT_EQ(platform.sounds,
            (std::vector<std::string>{"/game/Pus.smus", "/game/in_your_face.mp3"}));
}

TEST_F(SoundTest, TrackSwitchAlternatesTheTwoTracks) {
  const GameMenu& menu = menuWithMusicSwitches();
  trackSwitchClick(game);
  EXPECT_EQ(menu.trackButton.caption, "In your face");
  EXPECT_EQ(game.musicPath, "/game/SONNE.wav");
  trackSwitchClick(game);
  EXPECT_EQ(menu.trackButton.caption, "Rammstein!");
  EXPECT_EQ(game.musicPath, "/game/in_your_face.wav");
  EXPECT_EQ(platform.sounds,
            (std::vector<std::string>{"/game/SONNE.wav", "/game/in_your_face.wav"}));
}

}  // namespace
}  // namespace kr::test
