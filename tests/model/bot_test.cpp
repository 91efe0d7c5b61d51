// The enemy bot's build order: positions, slots and the time to the next turn.
#include <gtest/gtest.h>

#include <cmath>

#include "model/bot/bot.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

constexpr float QL = 2000;
constexpr float QT = 3000;

class BotTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
  void SetUp() override {
    f.objects[kEnemyHq].left = QL;
    f.objects[kEnemyHq].top = QT;
  }
  auto botInterval() const { return game.clock.interval(kBotTimer).count(); }
  // Runs turns with the draw r until the step counter passes `last`.
  void turnsUpTo(int last, float r) {
    platform.fallbackDraw = r;
    while (game.enemyBuildStep <= last) botTurn(game);
  }
};

struct Spot {
  float left;
  float top;
};

TEST_F(BotTest, TenTurnsForEachDraw) {
  struct Case {
    float r;
    Spot first;        // step 1, direct placement
    Spot accumulator;  // steps 2 to 4 and 7 to 9
    Spot metalWorks;   // step 6
    int shortWait;     // after steps 1 to 4 (and 5)
    int metalWait;     // after step 6
    int longWait;      // after steps 7 to 9 (and later)
  };
  const Case cases[] = {
      {0.25f, {0, 0}, {QL, QT - 79}, {QL, -91.25f}, 6500, 10500, 16500},
      {0.5f, {QL, QT - 79}, {QL, QT - 79}, {QL, -91.25f}, 9000, 13000, 19000},
      {0.75f, {QL, QT + 96}, {QL, QT + 96}, {QL, QT + 96}, 11500, 15500, 21500},
      {0.1f, {QL - 64, QT}, {QL - 64, QT}, {-78.7f, QT}, 5000, 9000, 15000},
      {0.6f, {QL + 96, QT}, {QL + 96, QT}, {QL + 96, QT}, 10000, 14000, 20000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    game.unload<Battlefield>();
    Battlefield& w = startLevel(2);
    SetUp();
    platform.fallbackDraw = c.r;
    for (int n = 1; n <= 10; ++n) {
      SCOPED_TRACE(n);
      botTurn(game);
      EXPECT_EQ(game.enemyBuildStep, n + 1);
      EXPECT_FLOAT_EQ(game.botRoll, c.r);
      const int wait = n <= 5 ? c.shortWait : n == 6 ? c.metalWait : c.longWait;
      EXPECT_EQ(botInterval(), wait);
      if (n == 5 || n == 10) continue;
      const MapObject& k = w.objects[300 + n];
      const Spot want = n == 1 ? c.first : n == 6 ? c.metalWorks : c.accumulator;
      EXPECT_TRUE(k.shown);
      EXPECT_FLOAT_EQ(k.left, want.left);
      EXPECT_FLOAT_EQ(k.top, want.top);
      EXPECT_EQ(w.markers[300 + n].left, k.left);
      EXPECT_EQ(w.markers[300 + n].top, k.top);
      EXPECT_TRUE(w.markers[300 + n].shown);
      EXPECT_EQ(k.border, 0);
      EXPECT_EQ(k.tooltip, "");
    }
    EXPECT_FALSE(w.objects[305].shown);
    EXPECT_FALSE(w.objects[310].shown);
  }
}

TEST_F(BotTest, EnemyKinds) {
  turnsUpTo(9, 0.1f);
  for (int slot : {301, 302, 303, 304, 307, 308, 309}) {
    EXPECT_EQ(f.objects[slot].picture, "akumVraga") << slot;
    EXPECT_EQ(f.objects[slot].kind, Building::kEnemyAccumulator) << slot;
    EXPECT_FLOAT_EQ(f.objects[slot].width, 49) << slot;
  }
  const MapObject& m = f.objects[306];
  EXPECT_EQ(m.picture, "metzavodVraga");
  EXPECT_EQ(m.kind, Building::kEnemyMetalWorks);
  EXPECT_FLOAT_EQ(m.width, 63.7f);
  EXPECT_FLOAT_EQ(m.height, 61.25f);
  EXPECT_FLOAT_EQ(m.left, -78.7f);
  EXPECT_FLOAT_EQ(f.markers[306].left, -78.7f);
}

TEST_F(BotTest, ScanPlacesBeyondAShownEnemyBuildingInSlot600) {
  // Only the last visit counts: a shown building in slot 600 left of the headquarters.
  f.objects[600] =
      MapObject{Building::kEnemyAccumulator, QL - 500, QT, 49, 49, "akumVraga", true, {}, 0};
  game.enemyBuildStep = 2;
  platform.fallbackDraw = 0.1f;
  botTurn(game);
  EXPECT_FLOAT_EQ(f.objects[302].left, QL - 500 - 64);
  EXPECT_FLOAT_EQ(f.objects[302].top, QT);
  // Shown elsewhere than slot 600, a building changes nothing.
  f.objects[600].shown = false;
  f.objects[599] =
      MapObject{Building::kEnemyAccumulator, QL - 500, QT, 49, 49, "akumVraga", true, {}, 0};
  botTurn(game);
  EXPECT_FLOAT_EQ(f.objects[303].left, QL - 64);
}

TEST_F(BotTest, TurnsAfterTheNinthOnlyCount) {
  turnsUpTo(9, 0.3f);
  const auto slots = f.objects;
  const auto markers = f.markers;
  const int wait = botInterval();
  for (int i = 0; i < 20; ++i) botTurn(game);
  EXPECT_EQ(game.enemyBuildStep, 30);
  EXPECT_EQ(botInterval(), wait);
  for (int i = 0; i < kSlots; ++i) {
    ASSERT_EQ(f.objects[i].left, slots[i].left) << i;
    ASSERT_EQ(f.objects[i].shown, slots[i].shown) << i;
    ASSERT_EQ(markers[i].shown, f.markers[i].shown) << i;
  }
}

TEST_F(BotTest, IntervalsRoundToTheNearestMillisecondTiesToEven) {
  // The draws at the ends of [0, 1) give the ends of each range.
  struct Case {
    int step;
    float r;
    int interval;
  };
  const float top = std::nextafter(1.0f, 0.0f);
  const Case cases[] = {
      {1, 0.0f, 4000}, {1, top, 14000},  {6, 0.0f, 8000},
      {6, top, 18000}, {7, 0.0f, 14000}, {7, top, 24000},
  };
  for (const Case& c : cases) {
    game.enemyBuildStep = c.step;
    platform.fallbackDraw = c.r;
    botTurn(game);
    EXPECT_EQ(botInterval(), c.interval) << c.step << " " << c.r;
  }
  // Draws whose single-precision interval ends in exactly .5.
  int ties = 0;
  for (int i = 1; i < 100000 && ties < 4; i += 7) {
    const float r = static_cast<float>(i) / 100000.0f;
    const float ms = (r * 10.0f + 4.0f) * 1000.0f;
    if (ms - std::floor(ms) != 0.5f) continue;
    ++ties;
    game.enemyBuildStep = 2;
    platform.fallbackDraw = r;
    botTurn(game);
    const int down = static_cast<int>(std::floor(ms));
    EXPECT_EQ(botInterval(), down % 2 == 0 ? down : down + 1) << r;
  }
  EXPECT_GT(ties, 0);
}

TEST_F(BotTest, TurnsFollowTheClock) {
  game.unload<Battlefield>();
  platform.draws = {0.0f, 0.45f, 0.45f, 0.75f};  // first interval 10 s, headquarters, R
  Battlefield& w = startLevel(2);
  const MapObject& hq = w.objects[kEnemyHq];
  advance(9999);
  EXPECT_EQ(game.enemyBuildStep, 1);
  advance(1);
  EXPECT_EQ(game.enemyBuildStep, 2);
  EXPECT_FLOAT_EQ(w.objects[301].top, hq.top + 96);
  EXPECT_EQ(botInterval(), 11500);
  advance(11500);
  EXPECT_EQ(game.enemyBuildStep, 3);
}

}  // namespace
}  // namespace kr::test
