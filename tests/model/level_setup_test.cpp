// Level setup: the fresh start of a mission, the layout and the enemy headquarters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/battlefield/animation.h"
#include "model/battlefield/curtain.h"
#include "model/battlefield/movement.h"
#include "model/battlefield/navigation.h"
#include "model/bot/bot.h"
#include "model/comm/chat.h"
#include "model/core/building_kinds.h"
#include "model/core/construction.h"
#include "model/core/economy.h"
#include "model/core/level_setup.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

using LevelSetupTest = GameTest;

TEST_F(LevelSetupTest, FreshMissionOneStart) {
  Battlefield& f = startLevel(1);
  EXPECT_EQ(f.energy, 1500);
  EXPECT_EQ(f.metal, 1500);
  EXPECT_EQ(f.wood, 1500);
  EXPECT_EQ(f.lastOrderedSlot, 0);
  EXPECT_EQ(f.buildKind, Building::kNone);
  EXPECT_EQ(f.palettePage, 1);
  EXPECT_TRUE(f.objects[0].shown);
  for (int i = 1; i < kSlots; ++i) ASSERT_FALSE(f.objects[i].shown) << i;
  EXPECT_EQ(f.powered[0], Power::kUnset);
  EXPECT_EQ(f.powered[601], Power::kOn);
  EXPECT_EQ(f.health[0], 100);
  EXPECT_EQ(f.health[601], 100);
  EXPECT_FALSE(f.paletteButton(Building::kLocator).visible);
  EXPECT_FALSE(f.paletteButton(Building::kTankFactory).visible);
  EXPECT_EQ(game.missionGoalText, "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.");
  EXPECT_EQ(game.musicPath, "/game/in_your_face.mp3");
  EXPECT_FALSE(running(kBotTimer));
  // Seeded twice: the default seed, then the seconds since midnight.
  EXPECT_EQ(platform.seeds, (std::vector<std::uint32_t>{327680, 43200}));
}

TEST_F(LevelSetupTest, TimersAsLevelSetupLeavesThem) {
  game.levelNumber = 1;
  game.load<MainMenu>();
  game.load<Battlefield>();
  for (const TimerRule* t : {&kAnimationPhase1Timer, &kAnimationPhase2Timer, &kResourceDisplayTimer,
                             &kScrollingTimer, &kBarsTimer})
    EXPECT_TRUE(running(*t)) << t->name;
  for (const TimerRule* t : {&kEconomyTimer, &kConstructionTimer, &kMovementTimer, &kChatBoxTimer,
                             &kBotTimer, &kArrowReleaseTimer, &kCurtainTimer})
    EXPECT_FALSE(running(*t)) << t->name;
}

// Of two timers due at the same moment the one in the earlier place fires first: the economy
// before the resource display, construction before the bars.
TEST(LevelSetup, TimersTakeTheirStoredPlaces) {
  std::string names;
  for (const TimerRule* t : declaredTimers<Battlefield>()) names += std::string(t->name) + " ";
  EXPECT_EQ(names,
            "economy animation1 animation2 construction movement chatBox resourceDisplay "
            "scrolling bot bars arrowRelease curtain ");
}

TEST_F(LevelSetupTest, RestartAfterPlayGivesTheSameFreshStart) {
  Battlefield& f = startLevel(1);
  f.energy = 9000;
  f.working(Building::kConverter) = 4;
  f.working(Building::kAccumulator) = 3;
  f.lastOrderedSlot = 12;
  f.objects[5].shown = true;
  f.objects[5].kind = Building::kAccumulator;
  f.locatorBuilt = true;
  f.locatorActive = true;
  f.curtain.visible = false;
  game.developerMode = true;
  game.unload<Battlefield>();
  Battlefield& again = startLevel(1);
  EXPECT_EQ(again.energy, 1500);
  EXPECT_EQ(again.working(Building::kConverter), 0);
  EXPECT_EQ(again.working(Building::kAccumulator), 0);
  EXPECT_EQ(again.lastOrderedSlot, 0);
  EXPECT_FALSE(again.objects[5].shown);
  EXPECT_EQ(again.objects[5].kind, Building::kNone);
  EXPECT_FALSE(again.locatorBuilt);
  EXPECT_FALSE(game.developerMode);
  // The first economy tick closes the curtain again.
  advance(500);
  EXPECT_TRUE(again.curtain.visible);
  EXPECT_EQ(again.curtain.width, 6000);
}

TEST_F(LevelSetupTest, LevelSetupOnADirtyWindowResetsTheWorld) {
  Battlefield& f = startLevel(1);
  f.metal = 1;
  f.working(Building::kMetalWorks) = 7;
  f.itemInHand = true;
  f.placementPending = true;
  f.objects[300].shown = true;
  levelSetup(game);
  EXPECT_EQ(f.metal, 1500);
  EXPECT_EQ(f.working(Building::kMetalWorks), 0);
  EXPECT_FALSE(f.itemInHand);
  EXPECT_FALSE(f.placementPending);
  EXPECT_FALSE(f.objects[300].shown);
  EXPECT_FALSE(running(kEconomyTimer));
}

TEST_F(LevelSetupTest, LayoutFollowsTheScreen) {
  platform.usable = {1920, 1050};
  platform.full = {1920, 1080};
  Battlefield& f = startLevel(1);
  EXPECT_FLOAT_EQ(f.minimapFrame.left, 1920 - 169);
  EXPECT_FLOAT_EQ(f.buildFrame.left, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.resourcesFrame.left, f.buildFrame.left);
  EXPECT_FLOAT_EQ(f.inspectionFrame.left, f.buildFrame.left);
  EXPECT_FLOAT_EQ(f.inspectionFrame.height, 1080 - 425 - 185);
  EXPECT_FLOAT_EQ(f.chatLine.top, 1080 - 25);
  EXPECT_FLOAT_EQ(f.chatBox.top, 1050 - 27 - 25);
  EXPECT_FLOAT_EQ(f.chatBox.width, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.viewFrame.width, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.viewFrame.height, 1050);
}

TEST_F(LevelSetupTest, MissionTwoShowsTheEnemyAndStartsTheBot) {
  platform.draws = {0.0f, 0.45f, 0.7f};  // bot interval, then Left, then Top
  Battlefield& f = startLevel(2);
  EXPECT_EQ(game.clock.interval(kBotTimer), 10000ms);
  EXPECT_TRUE(running(kBotTimer));
  EXPECT_TRUE(f.objects[kEnemyHq].shown);
  EXPECT_FLOAT_EQ(f.objects[kEnemyHq].left, 4500);
  EXPECT_FLOAT_EQ(f.objects[kEnemyHq].top, 2800);
  EXPECT_TRUE(f.markers[kEnemyHq].shown);
  EXPECT_FLOAT_EQ(f.markers[kEnemyHq].left, 4500);
  EXPECT_EQ(game.enemyBuildStep, 1);
  EXPECT_TRUE(f.paletteButton(Building::kLocator).visible == false);
  EXPECT_EQ(game.missionGoalText,
            "Цели миссии: Уничтожить подступающего к Королевству противника.");
}

TEST_F(LevelSetupTest, FirstBotIntervalIsTenToTwentySeconds) {
  struct Case {
    float draw;
    int interval;
  };
  for (const Case c :
       {Case{0.0f, 10000}, Case{0.5f, 15000}, Case{0.99999994f, 20000}, Case{0.25f, 12500}}) {
    FakePlatform p;
    p.draws = {c.draw};
    Game g(p);
    g.levelNumber = 1;
    g.load<MainMenu>();
    g.load<Battlefield>();
    EXPECT_EQ(g.clock.interval(kBotTimer).count(), c.interval) << c.draw;
  }
}

TEST(EnemyHeadquarters, PlacementFormula) {
  struct Case {
    float d;
    float left;
    float top;
  };
  const Case cases[] = {
      {0.0f, 1600, 1600},  // 0 < 1000: pushed in by 1600
      {0.05f, 900 + 1600, 900 + 1600},
      {0.1f, 1800, 1800},
      {0.3f, 400, 400},  // exactly 0.3: the second formula, then +1600
      {0.45f, 4500, 4500},
      {0.58f, 5800 - 1500, 5800 - 2000},  // beyond 5500: pulled back
      {0.6f, 1800, 1800},                 // exactly 0.6 takes d*10000-4200
      {0.75f, 3300, 3300},
      {0.99f, 5700 - 1500, 5700 - 2000},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(enemyHqLeft(c.d), c.left, 0.01) << c.d;
    EXPECT_NEAR(enemyHqTop(c.d), c.top, 0.01) << c.d;
  }
}

TEST(EnemyHeadquarters, EveryOrdinaryDrawLandsBetween1000And5500) {
  for (int i = 0; i < 10000; ++i) {
    const float d = static_cast<float>(i) / 10000.0f;
    if (d == 0.3f) continue;
    ASSERT_GE(enemyHqLeft(d), 1000) << d;
    ASSERT_LE(enemyHqLeft(d), 5500) << d;
    ASSERT_GE(enemyHqTop(d), 1000) << d;
    ASSERT_LE(enemyHqTop(d), 5500) << d;
  }
}

}  // namespace
}  // namespace kr::test
