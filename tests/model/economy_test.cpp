// The economy tick and the resource panel, step by step.
#include <gtest/gtest.h>

#include "model/battlefield/curtain.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

struct Stocks {
  std::int32_t energy;
  std::int32_t metal;
  float wood;
};

struct Counters {
  int acc = 0;
  int metal = 0;
  int wood = 0;
  int tankFactory = 0;
  int converter = 0;
  bool locator = false;
};

class EconomyTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  void set(Stocks s, Counters c = {}) {
    f.energy = s.energy;
    f.metal = s.metal;
    f.wood = s.wood;
    f.working(Building::kAccumulator) = c.acc;
    f.working(Building::kMetalWorks) = c.metal;
    f.working(Building::kWoodWorks) = c.wood;
    f.working(Building::kTankFactory) = c.tankFactory;
    f.working(Building::kConverter) = c.converter;
    f.locatorActive = c.locator;
  }
};

TEST_F(EconomyTest, OneTickTable) {
  struct Case {
    const char* what;
    Stocks before;
    Counters counters;
    Stocks after;
    bool energyLow;
  };
  const Case cases[] = {
      {"nothing built", {1500, 1500, 1500}, {}, {1501, 1501, 1501}, false},
      {"accumulators", {100, 100, 100}, {.acc = 3}, {161, 101, 101}, false},
      {"one metal works at 60: consumed, then +1", {60, 0, 0}, {.metal = 1}, {11, 31, 1}, true},
      {"metal works at the demand: no energy taken", {52, 0, 0}, {.metal = 1}, {53, 31, 1}, false},
      {"converter at wood 70 does nothing", {1000, 0, 70}, {.converter = 1}, {1001, 1, 71}, false},
      {"converter at wood 71 burns", {1000, 0, 71}, {.converter = 1}, {1301, 1, 2}, false},
      {"wood works at wood 0 add nothing", {1000, 0, 0}, {.wood = 2}, {981, 1, 1}, false},
      {"wood works at wood 1 work", {1000, 0, 1}, {.wood = 2}, {981, 1, 22}, false},
      {"tank factory takes its metal", {1000, 100, 0}, {.tankFactory = 1}, {881, 91, 1}, false},
      {"tank factory short of metal", {1000, 10, 0}, {.tankFactory = 1}, {881, 11, 1}, false},
      {"tank factory short of energy", {100, 100, 0}, {.tankFactory = 1}, {101, 101, 1}, false},
      {"working locator charged", {100, 0, 0}, {.locator = true}, {71, 1, 1}, false},
      {"locator at low energy not charged", {20, 0, 0}, {.locator = true}, {21, 1, 1}, true},
      {"200 converters, no overflow",
       {100000, 0, 20000},
       {.converter = 200},
       {160001, 1, 6001},
       false},
  };
  for (const Case& c : cases) {
    set(c.before, c.counters);
    economyTick(game);
    EXPECT_EQ(f.energy, c.after.energy) << c.what;
    EXPECT_EQ(f.metal, c.after.metal) << c.what;
    EXPECT_FLOAT_EQ(f.wood, c.after.wood) << c.what;
    EXPECT_EQ(game.energyLow, c.energyLow) << c.what;
  }
}

TEST_F(EconomyTest, TwentyTicksWithNothingBuiltAddTwenty) {
  advance(10000);
  EXPECT_EQ(f.energy, 1520);
  EXPECT_EQ(f.metal, 1520);
  EXPECT_FLOAT_EQ(f.wood, 1520);
}

TEST_F(EconomyTest, MissionGoalNeedsAllThreeAbove10000) {
  struct Case {
    Stocks s;
    int level;
    bool won;
  };
  const Case cases[] = {
      {{10001, 10001, 10001}, 1, true},  {{10000, 10001, 10001}, 1, false},
      {{10001, 10000, 10001}, 1, false}, {{10001, 10001, 10000}, 1, false},
      {{10001, 10001, 10001}, 2, false},
  };
  for (const Case& c : cases) {
    game.levelNumber = static_cast<std::int16_t>(c.level);
    game.briefingPending = false;
    set(c.s);
    economyTick(game);
    EXPECT_EQ(game.briefingPending, c.won) << c.s.energy << " " << c.s.metal << " " << c.s.wood;
  }
}

TEST_F(EconomyTest, LocatorOpensOrClosesTheCurtain) {
  set({1000, 0, 0}, {.locator = true});
  economyTick(game);
  EXPECT_TRUE(running(kCurtainTimer));
  EXPECT_FALSE(f.paletteButton(Building::kLocator).enabled);
  advance(16 * 100);  // part-way open
  EXPECT_LT(f.curtain.width, 6000);
  f.locatorActive = false;
  economyTick(game);
  EXPECT_FALSE(running(kCurtainTimer));
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_EQ(f.curtain.left, 0);
  EXPECT_EQ(f.curtain.width, 6000);
  EXPECT_EQ(f.curtain.height, 6000);
}

TEST_F(EconomyTest, IndicatorTexts) {
  struct Case {
    Stocks s;
    Counters c;
    const char* enPlus;
    const char* enMinus;
    const char* metPlus;
    const char* metMinus;
    const char* derPlus;
    const char* derMinus;
  };
  const Case cases[] = {
      {{1500, 1500, 1500}, {}, "+ 1", "- 0", "+ 1", "- 0", "+ 1", "- 0"},
      {{0, 0, 1500}, {.metal = 1}, "+ 1", "-0", "+ 0", "- 0", "+ 0", "- 0"},
      {{500, 20, 80},
       {.acc = 2, .metal = 1, .wood = 3, .tankFactory = 1, .converter = 2, .locator = true},
       "+ 641",
       "- 230",
       "+ 31",
       "- 10",
       "+ 31",
       "- 140"},
  };
  for (const Case& c : cases) {
    set(c.s, c.c);
    game.energyLow = false;
    resourceDisplayTick(game);
    EXPECT_EQ(f.energyStock.caption, std::to_string(c.s.energy));
    EXPECT_EQ(f.energyIncome.caption, c.enPlus);
    EXPECT_EQ(f.energyExpense.caption, c.enMinus);
    EXPECT_EQ(f.metalIncome.caption, c.metPlus);
    EXPECT_EQ(f.metalExpense.caption, c.metMinus);
    EXPECT_EQ(f.woodIncome.caption, c.derPlus);
    EXPECT_EQ(f.woodExpense.caption, c.derMinus);
  }
}

TEST_F(EconomyTest, DisplayDetails) {
  set({100, 0, 12.75f}, {.converter = 1, .locator = true});
  game.energyLow = true;  // a locator short of energy is not counted
  f.woodExpense.caption = "kept";
  f.wood = 0;
  resourceDisplayTick(game);
  EXPECT_EQ(f.energyExpense.caption, "- 0");
  EXPECT_EQ(f.metalExpense.caption, "- 0");
  EXPECT_EQ(f.woodExpense.caption, "kept");  // no wood: the wood loss keeps its caption
  f.wood = 12.75f;
  resourceDisplayTick(game);
  EXPECT_EQ(f.woodStock.caption, "12");
}

TEST_F(EconomyTest, DisplayFollowsEveryTickWithinAFrame) {
  advance(500 + 16);
  EXPECT_EQ(f.energyStock.caption, "1501");
}

}  // namespace
}  // namespace kr::test
