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
#include "model/shell/main_menu.h"
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

// Every control of the panels lies inside its frame and every frame inside the screen (the
// minimap's column, taller than any screen, inside across), at every size from the
// smallest the game plays in; where the screen is high enough for the
// power switch under the resources frame the layout is the one above.
TEST_F(LevelSetupTest, EveryPanelIsWholeOnEveryScreen) {
  struct Case {
    int width;
    int height;
    bool underMinimap;
  };
  for (const Case c : {Case{1024, 600, true}, Case{1280, 690, true}, Case{1366, 713, true},
                       Case{1366, 714, false}, Case{1366, 728, false}, Case{1920, 1048, false}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    platform.usable = platform.full = {c.width, c.height};
    Battlefield& f = startLevel(1);
    EXPECT_EQ(inspectionUnderMinimap(game), c.underMinimap);
    const auto inside = [](const Control& inner, float width, float height) {
      return inner.left >= 0 && inner.top >= 0 && inner.right() <= width + 0.5f &&
             inner.bottom() <= height + 0.5f;
    };
    const auto w = static_cast<float>(c.width);
    const auto h = static_cast<float>(c.height);
    for (const Control* frame :
         {&f.buildFrame, &f.resourcesFrame, &f.inspectionFrame, &f.chatLine, &f.chatBox})
      EXPECT_TRUE(inside(*frame, w, h)) << frame->left << ", " << frame->top;
    // The minimap's column runs on past the bottom edge, whatever the screen.
    EXPECT_FLOAT_EQ(f.minimapFrame.right(), w);
    for (const Control* c2 : {&f.inspectedName, &f.inspectedWood, &f.powerSwitch})
      EXPECT_TRUE(inside(*c2, f.inspectionFrame.width, f.inspectionFrame.height));
    for (const Control* c2 : {&f.woodIncome, &f.woodTitle})
      EXPECT_TRUE(inside(*c2, f.resourcesFrame.width, f.resourcesFrame.height));
    EXPECT_TRUE(inside(f.readyIcon, f.buildFrame.width, f.buildFrame.height));
    // The inspection frame keeps clear of the other panels and of the minimap.
    if (c.underMinimap) EXPECT_GE(f.inspectionFrame.top, f.minimapFrame.top + f.minimap.bottom());
    else EXPECT_GE(f.inspectionFrame.top, f.resourcesFrame.bottom() - 1);
    game.unload<Battlefield>();
  }
}

// A running battle through a smaller window and back: the panels follow, the view comes
// back within reach of edge scrolling, and nothing of the game itself changes.
TEST_F(LevelSetupTest, AResizeLaysTheBattleOutAgainAndChangesNothingElse) {
  struct Case {
    const char* name;
    float viewX, viewY;  // before the resize
    float backX, backY;  // after the round trip
  };
  // At 1920 x 1048 edge scrolling stops at the first step at or past 6000 - 1920 + 305.8 -
  // 170 = 4215.8 across and 6000 - 1048 - 150 = 4802 down.
  for (const Case c : {Case{"the view at the far edges", 4250, 4850, 4250, 4850},
                       Case{"the view near the top-left corner", 100, 50, 100, 50},
                       Case{"the view beyond, after a minimap jump", 5900, 5900, 4250, 4850}}) {
    SCOPED_TRACE(c.name);
    platform.usable = platform.full = {1920, 1048};
    Battlefield& f = startLevel(1);
    f.energy = 1234;
    f.locatorBuilt = true;
    scrollViewTo(f, c.viewX, c.viewY);
    advance(1000);
    const auto energy = f.energy;
    const auto economyDue = game.clock.dueAt(kEconomyTimer);
    for (const Size size : {Size{1280, 690}, Size{1920, 1048}}) {
      platform.usable = platform.full = size;
      screenChanged(game);
      EXPECT_FLOAT_EQ(f.minimapFrame.right(), static_cast<float>(size.width));
      EXPECT_FLOAT_EQ(f.viewFrame.height, static_cast<float>(size.height));
      EXPECT_FLOAT_EQ(f.viewFrame.width, static_cast<float>(size.width) - 136.8f - 169);
      const ScrollLimit limit = scrollLimit(game);
      EXPECT_LT(f.viewX, limit.x + kScrollStep);
      EXPECT_LT(f.viewY, limit.y + kScrollStep);
    }
    EXPECT_FLOAT_EQ(f.viewX, c.backX);
    EXPECT_FLOAT_EQ(f.viewY, c.backY);
    EXPECT_FLOAT_EQ(f.mapSurface.left, -c.backX);
    EXPECT_FLOAT_EQ(f.viewFrame.top, c.backY);
    EXPECT_EQ(f.energy, energy);
    EXPECT_EQ(game.clock.dueAt(kEconomyTimer), economyDue);
    EXPECT_TRUE(f.objects[0].shown);
    game.unload<Battlefield>();
  }
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
