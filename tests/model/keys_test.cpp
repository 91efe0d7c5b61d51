// The battlefield's keys: Esc, Enter and I.
#include <gtest/gtest.h>

#include "model/battlefield/keys.h"
#include "model/battlefield/movement.h"
#include "model/clock/timer_rule.h"
#include "model/comm/chat.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class KeysTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
};

// Every timer of the battlefield, as they are declared: the menu stops the economy, the
// animation, the resource display and the bot, and leaves every other as it was.
TEST_F(KeysTest, EscPausesBehindTheMenu) {
  game.clock.setEnabled(kMovementTimer, true);
  std::vector<bool> before;
  const std::vector<const TimerRule*>& timers = declaredTimers<Battlefield>();
  for (const TimerRule* t : timers) before.push_back(running(*t));
  battlefieldKeyDown(game, kKeyEscape);
  EXPECT_TRUE(game.backdrop().window.visible);
  EXPECT_TRUE(game.gameMenu().window.visible);
  EXPECT_FALSE(f.window.enabled);
  std::string paused;
  for (std::size_t i = 0; i < timers.size(); ++i) {
    const TimerRule& t = *timers[i];
    if (t.pausedByMenu) {
      paused += std::string(t.name) + " ";
      EXPECT_FALSE(running(t)) << t.name;
    } else {
      EXPECT_EQ(running(t), before[i]) << t.name;
    }
  }
  EXPECT_EQ(paused, "economy animation1 animation2 resourceDisplay bot ");
}

TEST_F(KeysTest, EscKeepsTheTankDrivingAndFreezesTheRest) {
  f.objects[5] = MapObject{Building::kTank, 1000, 1000, 40, 92, "tankvverh", true, {}, 0};
  f.objects[6] =
      MapObject{Building::kMetalWorks, 2000, 2000, 63.7f, 58.8f, "metzavod", true, {}, 0};
  game.movingSlot = 5;
  game.moveTargetX = 1020;
  game.moveTargetY = 506;
  game.moveOrdered = true;
  game.clock.setEnabled(kMovementTimer, true);
  battlefieldKeyDown(game, kKeyEscape);
  const std::int32_t energy = f.energy;
  const std::string picture = f.objects[6].picture;
  advance(1000);
  EXPECT_FLOAT_EQ(f.objects[5].top, 900);
  EXPECT_EQ(f.energy, energy);
  EXPECT_EQ(f.objects[6].picture, picture);
}

TEST_F(KeysTest, NoKeyActsWhileTheWindowIsDisabled) {
  f.window.enabled = false;
  for (const int key : {kKeyEscape, kKeyEnter, kKeyI}) battlefieldKeyDown(game, key);
  EXPECT_FALSE(game.loaded<GameMenu>() && game.gameMenu().window.visible);
  EXPECT_FALSE(f.chatLine.visible);
  EXPECT_FALSE(f.chatBox.visible);
}

TEST_F(KeysTest, EnterTogglesTheChatLineUnlessAnItemIsCarried) {
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_TRUE(f.chatLine.visible);
  EXPECT_EQ(f.focus, Focus::ChatLine);
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_FALSE(f.chatLine.visible);
  EXPECT_EQ(f.focus, Focus::Map);

  f.placementPending = true;
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_FALSE(f.chatLine.visible);
  f.placementPending = false;  // put down
  battlefieldKeyDown(game, kKeyEnter);
  EXPECT_TRUE(f.chatLine.visible);
}

TEST_F(KeysTest, IShowsTheGoalForFiveSecondsAfterTheLastPress) {
  battlefieldKeyDown(game, kKeyI);
  EXPECT_TRUE(f.chatBox.visible);
  EXPECT_EQ(f.chatBox.caption, "Цели миссии: Уничтожить подступающего к Королевству противника.");
  EXPECT_TRUE(running(kChatBoxTimer));
  advance(3000);
  battlefieldKeyDown(game, kKeyI);
  EXPECT_EQ(game.clock.dueAt(kChatBoxTimer), game.clock.now() + 5000);
}

TEST_F(KeysTest, OtherKeysDoNothing) {
  battlefieldKeyDown(game, 65);
  EXPECT_FALSE(f.chatBox.visible);
  EXPECT_FALSE(f.chatLine.visible);
  EXPECT_TRUE(f.window.enabled);
}

}  // namespace
}  // namespace kr::test
