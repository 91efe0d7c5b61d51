// One hour of game time simulated headless, every battlefield timer running, and one economy
// tick; the argument is the number of the player's buildings.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "model/battlefield/movement.h"
#include "model/comm/chat.h"
#include "model/core/building_kinds.h"
#include "model/core/construction.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/game.h"
#include "support/built_base.h"
#include "support/fake_platform.h"

namespace {

// A mission-2 base in full swing: buildings of every kind, a locator, a tank driving,
// a construction running, the bot building, the curtain opening, the chat timer running.
// The tank takes the slot after the last building (with 300, the last building's).
void inFullSwing(kr::Game& g, int buildings) {
  kr::test::builtUpBase(g, 2, buildings);
  kr::Battlefield& f = g.battlefield();
  f.locatorActive = true;
  f.locatorBuilt = true;
  const int tank = std::min(buildings + 1, kr::kLastPlayerSlot);
  f.objects[static_cast<std::size_t>(tank)] =
      kr::MapObject{kr::Building::kTank, 2000, 2000, 40, 92, "tankvverh", true, {}, 0};
  f.lastOrderedSlot = tank;
  g.clock.setEnabled(kr::kConstructionTimer, true);
  g.clock.setEnabled(kr::kMovementTimer, true);
  g.clock.setEnabled(kr::kChatBoxTimer, true);
  f.constructionTicks = 1 << 30;
  g.selectedSlot = tank;
  g.movingSlot = tank;
  g.moveOrdered = true;
  g.moveTargetX = 5000;
  g.moveTargetY = 5000;
}

void BM_OneHourOfGameTime(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    kr::test::FakePlatform platform;
    kr::Game game(platform);
    inFullSwing(game, static_cast<int>(state.range(0)));
    state.ResumeTiming();
    game.clock.advanceBy(60 * 60 * 1000);
    benchmark::DoNotOptimize(game.battlefield().energy);
  }
  state.SetLabel("budget 0.5 s per hour");
}
BENCHMARK(BM_OneHourOfGameTime)->Arg(0)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_EconomyTick(benchmark::State& state) {
  kr::test::FakePlatform platform;
  kr::Game game(platform);
  inFullSwing(game, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    kr::economyTick(game);
    benchmark::DoNotOptimize(game.battlefield().energy);
  }
}
BENCHMARK(BM_EconomyTick)->Arg(0)->Arg(100)->Arg(300)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
