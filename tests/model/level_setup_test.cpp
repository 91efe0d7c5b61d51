// Level setup: the fresh start of a mission, the layout and the enemy headquarters.
#include <gtest/gtest.h>

#include "model/core/level_setup.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

using LevelSetupTest = GameTest;

TEST_F(LevelSetupTest, FreshMissionOneStart) {
  Form1& f = startLevel(1);
  EXPECT_EQ(f.Energy, 1500);
  EXPECT_EQ(f.Metal, 1500);
  EXPECT_EQ(f.Wood, 1500);
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_EQ(f.BuildKind, -1);
  EXPECT_EQ(f.PalettePage, 1);
  EXPECT_TRUE(f.Baza[0].shown);
  for (int i = 1; i < kSlots; ++i) ASSERT_FALSE(f.Baza[i].shown) << i;
  EXPECT_EQ(f.ObjectPowered[0], -1);
  EXPECT_EQ(f.ObjectPowered[601], 1);
  EXPECT_EQ(f.ObjectHealth[0], 100);
  EXPECT_EQ(f.ObjectHealth[601], 100);
  EXPECT_FALSE(f.build[kLocator].visible);
  EXPECT_FALSE(f.build[kTankFactory].visible);
  EXPECT_EQ(game.MissionGoalText, "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.");
  EXPECT_EQ(game.MusicPath, "/game/in_your_face.mp3");
  EXPECT_FALSE(running(f.timers.Bot));
  // Seeded twice: the default seed, then the seconds since midnight.
  EXPECT_EQ(platform.seeds, (std::vector<std::uint32_t>{327680, 43200}));
}

TEST_F(LevelSetupTest, TimersAsLevelSetupLeavesThem) {
  game.LevelNumber = 1;
  game.welcome();
  Form1& f = game.form1();
  const auto& t = f.timers;
  for (TimerId id : {t.Timer2, t.Timer3, t.Timer8, t.Timer9, t.BarTimer})
    EXPECT_TRUE(running(id)) << game.clock.name(id);
  for (TimerId id : {t.Timer1, t.Timer5, t.Timer6, t.Timer7, t.Bot, t.BuildKnopka, t.ZaslonkaTmr})
    EXPECT_FALSE(running(id)) << game.clock.name(id);
}

TEST_F(LevelSetupTest, RestartAfterPlayGivesTheSameFreshStart) {
  Form1& f = startLevel(1);
  f.Energy = 9000;
  f.ConverterCount = 4;
  f.AccumulatorCount = 3;
  f.LastSlot = 12;
  f.Baza[5].shown = true;
  f.Baza[5].tag = "elek";
  f.LocatorBuilt = true;
  f.LocatorActive = true;
  f.Zaslonka.visible = false;
  game.DeveloperMode = true;
  game.unloadForm1();
  Form1& again = startLevel(1);
  EXPECT_EQ(again.Energy, 1500);
  EXPECT_EQ(again.ConverterCount, 0);
  EXPECT_EQ(again.AccumulatorCount, 0);
  EXPECT_EQ(again.LastSlot, 0);
  EXPECT_FALSE(again.Baza[5].shown);
  EXPECT_EQ(again.Baza[5].tag, "");
  EXPECT_FALSE(again.LocatorBuilt);
  EXPECT_FALSE(game.DeveloperMode);
  // The first economy tick closes the curtain again.
  advance(500);
  EXPECT_TRUE(again.Zaslonka.visible);
  EXPECT_EQ(again.Zaslonka.width, 6000);
}

TEST_F(LevelSetupTest, LevelSetupOnADirtyWindowResetsTheWorld) {
  Form1& f = startLevel(1);
  f.Metal = 1;
  f.MetalWorksCount = 7;
  f.ItemInHand = true;
  f.PlacementPending = true;
  f.Baza[300].shown = true;
  levelSetup(game);
  EXPECT_EQ(f.Metal, 1500);
  EXPECT_EQ(f.MetalWorksCount, 0);
  EXPECT_FALSE(f.ItemInHand);
  EXPECT_FALSE(f.PlacementPending);
  EXPECT_FALSE(f.Baza[300].shown);
  EXPECT_FALSE(running(f.timers.Timer1));
}

TEST_F(LevelSetupTest, LayoutFollowsTheScreen) {
  platform.usable = {1920, 1050};
  platform.full = {1920, 1080};
  Form1& f = startLevel(1);
  EXPECT_FLOAT_EQ(f.Map.left, 1920 - 169);
  EXPECT_FLOAT_EQ(f.Builder.left, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.Resources.left, f.Builder.left);
  EXPECT_FLOAT_EQ(f.OZdaFr.left, f.Builder.left);
  EXPECT_FLOAT_EQ(f.OZdaFr.height, 1080 - 425 - 185);
  EXPECT_FLOAT_EQ(f.chatText.top, 1080 - 25);
  EXPECT_FLOAT_EQ(f.chat.top, 1050 - 27 - 25);
  EXPECT_FLOAT_EQ(f.chat.width, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.MapKursor.width, 1920 - 136.8f - 169);
  EXPECT_FLOAT_EQ(f.MapKursor.height, 1050);
}

TEST_F(LevelSetupTest, MissionTwoShowsTheEnemyAndStartsTheBot) {
  platform.draws = {0.0f, 0.45f, 0.7f};  // bot interval, then Left, then Top
  Form1& f = startLevel(2);
  EXPECT_EQ(game.clock.interval(f.timers.Bot), 10000);
  EXPECT_TRUE(running(f.timers.Bot));
  EXPECT_TRUE(f.Baza[kEnemyHq].shown);
  EXPECT_FLOAT_EQ(f.Baza[kEnemyHq].left, 4500);
  EXPECT_FLOAT_EQ(f.Baza[kEnemyHq].top, 2800);
  EXPECT_TRUE(f.BazaMap[kEnemyHq].shown);
  EXPECT_FLOAT_EQ(f.BazaMap[kEnemyHq].left, 4500);
  EXPECT_EQ(game.EnemyBuildStep, 1);
  EXPECT_TRUE(f.build[kLocator].visible == false);
  EXPECT_EQ(game.MissionGoalText,
            "Цели миссии: Уничтожить подступающего к Королевству противника.");
}

TEST_F(LevelSetupTest, FirstBotIntervalIsTenToTwentySeconds) {
  struct Case {
    float draw;
    int interval;
  };
  for (const Case c : {Case{0.0f, 10000}, Case{0.5f, 15000}, Case{0.99999994f, 20000},
                       Case{0.25f, 12500}}) {
    FakePlatform p;
    p.draws = {c.draw};
    Game g(p);
    g.LevelNumber = 1;
    g.welcome();
    EXPECT_EQ(g.clock.interval(g.form1().timers.Bot), c.interval) << c.draw;
  }
}

TEST_F(LevelSetupTest, ClosingTheBattlefieldFromTheDesktopEndsTheGame) {
  startLevel(1);
  form1Closed(game);
  EXPECT_EQ(platform.soundNames(), (std::vector<std::string>{"Pus.smus"}));
  EXPECT_TRUE(platform.endCalled);
  EXPECT_TRUE(game.ended);
  advance(1000);  // nothing runs any more
  EXPECT_EQ(platform.sounds.size(), 1u);
}

TEST(EnemyHeadquarters, PlacementFormula) {
  struct Case {
    float d;
    float left;
    float top;
  };
  const Case cases[] = {
      {0.0f, 1600, 1600},       // 0 < 1000: pushed in by 1600
      {0.05f, 900 + 1600, 900 + 1600},
      {0.1f, 1800, 1800},
      {0.3f, 400, 400},         // exactly 0.3: the second formula, then +1600
      {0.45f, 4500, 4500},
      {0.58f, 5800 - 1500, 5800 - 2000},  // beyond 5500: pulled back
      {0.6f, 1800, 1800},       // exactly 0.6 takes d*10000-4200
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
