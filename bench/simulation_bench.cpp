// One hour of game time simulated headless, every battlefield timer running.
#include <benchmark/benchmark.h>

#include "model/core/building_kinds.h"
#include "model/game.h"
#include "support/built_base.h"
#include "support/fake_platform.h"

namespace {

// A mission-2 base in full swing: buildings of every kind, a locator, a tank driving,
// a construction running, the bot building, the curtain opening, the chat timer running.
void inFullSwing(kr::Game& g) {
  kr::test::builtUpBase(g, 2);
  kr::Battlefield& f = g.battlefield();
  f.locatorActive = true;
  f.locatorBuilt = true;
  f.objects[281] = kr::MapObject{kr::tag::kTank, 2000, 2000, 40, 92, "tankvverh", true, {}, 0};
  f.lastOrderedSlot = 281;
  g.clock.setEnabled(f.timers.construction, true);
  g.clock.setEnabled(f.timers.movement, true);
  g.clock.setEnabled(f.timers.chatBox, true);
  f.constructionTicks = 1 << 30;
  g.selectedSlot = 281;
  g.movingSlot = 281;
  g.moveOrdered = true;
  g.moveTargetX = 5000;
  g.moveTargetY = 5000;
}

void BM_OneHourOfGameTime(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    kr::test::FakePlatform platform;
    kr::Game game(platform);
    inFullSwing(game);
    state.ResumeTiming();
    game.clock.advanceBy(60 * 60 * 1000);
    benchmark::DoNotOptimize(game.battlefield().energy);
  }
  state.SetLabel("budget 0.5 s per hour");
}
BENCHMARK(BM_OneHourOfGameTime)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
