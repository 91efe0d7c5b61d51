// One hour of game time simulated headless, every battlefield timer running.
#include <benchmark/benchmark.h>

#include "model/game.h"
#include "support/built_base.h"
#include "support/fake_platform.h"

namespace {

// A mission-2 base in full swing: buildings of every kind, a locator, a tank driving,
// a construction running, the bot building, the curtain opening, the chat timer running.
void inFullSwing(kr::Game& g) {
  kr::test::builtUpBase(g, 2);
  kr::Form1& f = g.form1();
  f.LocatorActive = true;
  f.LocatorBuilt = true;
  f.Baza[281] = kr::MapObject{"tank", 2000, 2000, 40, 92, "tankvverh", true, {}, 0};
  f.LastSlot = 281;
  g.clock.setEnabled(f.timers.Timer5, true);
  g.clock.setEnabled(f.timers.Timer6, true);
  g.clock.setEnabled(f.timers.Timer7, true);
  f.ConstructionTime = 1 << 30;
  g.SelectedIndex = 281;
  g.MovingSlot = 281;
  g.MoveOrdered = true;
  g.MoveTargetX = 5000;
  g.MoveTargetY = 5000;
}

void BM_OneHourOfGameTime(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    kr::test::FakePlatform platform;
    kr::Game game(platform);
    inFullSwing(game);
    state.ResumeTiming();
    game.clock.advanceBy(60 * 60 * 1000);
    benchmark::DoNotOptimize(game.form1().Energy);
  }
  state.SetLabel("budget 0.5 s per hour");
}
BENCHMARK(BM_OneHourOfGameTime)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
