// The battlefield's keys: Esc, Enter and I.
#include <gtest/gtest.h>

#include "model/battlefield/keys.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class KeysTest : public GameTest {
 protected:
  Form1& f = startLevel(2);
};

TEST_F(KeysTest, EscPausesBehindTheMenu) {
  battlefieldKeyDown(game, kKeyEscape);
  EXPECT_TRUE(game.fon().window.visible);
  EXPECT_TRUE(game.form3().window.visible);
  EXPECT_FALSE(f.window.enabled);
  for (const TimerId t : {f.timers.Timer1, f.timers.Timer2, f.timers.Timer3, f.timers.Timer8,
                          f.timers.Bot})
    EXPECT_FALSE(running(t)) << game.clock.name(t);
  for (const TimerId t : {f.timers.Timer9, f.timers.BarTimer})
    EXPECT_TRUE(running(t)) << game.clock.name(t);
}

TEST_F(KeysTest, EscKeepsTheTankDrivingAndFreezesTheRest) {
  f.Baza[5] = MapObject{"tank", 1000, 1000, 40, 92, "tankvverh", true, {}, 0};
  f.Baza[6] = MapObject{"meta", 2000, 2000, 63.7f, 58.8f, "metzavod", true, {}, 0};
  game.MovingSlot = 5;
  game.MoveTargetX = 1020;
  game.MoveTargetY = 506;
  game.MoveOrdered = true;
  game.clock.setEnabled(f.timers.Timer6, true);
  battlefieldKeyDown(game, kKeyEscape);
  const std::int32_t energy = f.Energy;
  const std::string picture = f.Baza[6].picture;
  advance(1000);
  EXPECT_FLOAT_EQ(f.Baza[5].top, 900);
  EXPECT_EQ(f.Energy, energy);
  EXPECT_EQ(f.Baza[6].picture, picture);
}

TEST_F(KeysTest, NoKeyActsWhileTheWindowIsDisabled) {
  f.window.enabled = false;
  for (const int key : {kKeyEscape, kKeyEnter, kKeyI}) battlefieldKeyDown(game, key);
  EXPECT_FALSE(game.form3Loaded() && game.form3().window.visible);
  EXPECT_FALSE(f.chatText.visible);
  EXPECT_FALSE(f.chat.visible);
}

TEST_F(KeysTest, EnterTogglesTheChatLineUnlessAnItemIsCarried) {
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_TRUE(f.chatText.visible);
  EXPECT_EQ(f.focus, Focus::ChatText);
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_FALSE(f.chatText.visible);
  EXPECT_EQ(f.focus, Focus::Map);

  f.PlacementPending = true;
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_FALSE(f.chatText.visible);
  f.PlacementPending = false;  // put down
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_TRUE(f.chatText.visible);
}

TEST_F(KeysTest, IShowsTheGoalForFiveSecondsAfterTheLastPress) {
  battlefieldKeyDown(game, kKeyI);
  EXPECT_TRUE(f.chat.visible);
  EXPECT_EQ(f.chat.caption, "Цели миссии: Уничтожить подступающего к Королевству противника.");
  EXPECT_TRUE(running(f.timers.Timer7));
  advance(3000);
  battlefieldKeyDown(game, kKeyI);
  EXPECT_EQ(game.clock.dueAt(f.timers.Timer7), game.clock.now() + 5000);
}

TEST_F(KeysTest, OtherKeysDoNothing) {
  battlefieldKeyDown(game, 65);
  EXPECT_FALSE(f.chat.visible);
  EXPECT_FALSE(f.chatText.visible);
  EXPECT_TRUE(f.window.enabled);
}

}  // namespace
}  // namespace kr::test
