// One hour of game time simulated headless, every battlefield timer running.
#include <benchmark/benchmark.h>

#include "model/core/level_setup.h"
#include "model/game.h"
#include "support/fake_platform.h"

namespace {

// A mission-2 base in full swing: buildings of every kind, a tank driving back and forth,
// the bot building, the curtain opening, the chat box showing.
void buildBase(kr::Game& g) {
  kr::Form1& f = g.form1();
  const char* tags[] = {"elek", "meta", "dere", "loca", "taza", "konv", "tank"};
  for (int i = 1; i <= 280; ++i) {
    kr::MapObject& o = f.Baza[static_cast<std::size_t>(i)];
    o.tag = tags[i % 7];
    o.left = static_cast<float>(200 + (i % 20) * 120);
    o.top = static_cast<float>(200 + (i / 20) * 120);
    o.shown = true;
  }
  f.LastSlot = 280;
  f.AccumulatorCount = 40;
  f.MetalWorksCount = 40;
  f.WoodWorksCount = 40;
  f.TankFactoryCount = 40;
  f.ConverterCount = 40;
  f.LocatorActive = true;
  f.LocatorBuilt = true;
  g.clock.setEnabled(f.timers.Timer1, true);
  g.clock.setEnabled(f.timers.Timer5, true);
  g.clock.setEnabled(f.timers.Timer6, true);
  g.clock.setEnabled(f.timers.Timer7, true);
  f.ConstructionTime = 1 << 30;
  g.SelectedIndex = 7;
  g.MovingSlot = 7;
  g.MoveOrdered = true;
  g.MoveTargetX = 5000;
  g.MoveTargetY = 5000;
}

void BM_OneHourOfGameTime(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    kr::test::FakePlatform platform;
    kr::Game game(platform);
    game.LevelNumber = 2;
    game.welcome();
    buildBase(game);
    state.ResumeTiming();
    game.clock.advanceBy(60 * 60 * 1000);
    benchmark::DoNotOptimize(game.form1().Energy);
  }
  state.SetLabel("budget 0.5 s per hour");
}
BENCHMARK(BM_OneHourOfGameTime)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
