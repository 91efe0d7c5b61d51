// The battlefield's budgets beside a bare Qt window: start-up to the first frame, resident
// memory and idle processor time with a built-up base.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <fstream>
#include <string>

#include "model/game.h"
#include "model/shell/main_menu.h"
#include "support/built_base.h"
#include "support/fake_platform.h"
#include "ui/game_ui.h"
#include "ui/shell/main_menu_window.h"

namespace {

double processCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double residentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kb = 0;
      status >> kb;
      return kb / 1024.0;
    }
    std::getline(status, key);
  }
  return 0;
}

// Runs the event loop for a stretch of wall-clock time.
void runEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// A full-screen window that repaints itself every frame: what any game costs at least.
class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 80, 40));
  }
};

void BM_BareWindowFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    BareWindow w;
    w.setWindowFlag(Qt::FramelessWindowHint);
    w.resize(1920, 1080);
    w.show();
    benchmark::DoNotOptimize(w.grab());
  }
}
BENCHMARK(BM_BareWindowFirstFrame)->Unit(benchmark::kMillisecond);

void BM_MainMenuFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    kr::test::FakePlatform platform;
    kr::Game game(platform);
    kr::GameUi ui(game, false);
    ui.input([&game] { kr::startUp(game); });
    if (auto* menu = ui.mainMenu()) benchmark::DoNotOptimize(menu->grab());
  }
}
BENCHMARK(BM_MainMenuFirstFrame)->Unit(benchmark::kMillisecond);

// Resident memory and processor time of a still, built-up battlefield running in real time.
void BM_IdleBattlefield(benchmark::State& state) {
  kr::test::FakePlatform platform;
  platform.usable = {1920, 1080};
  platform.full = {1920, 1080};
  kr::Game game(platform);
  kr::GameUi ui(game, true);
  ui.input([&game] { kr::test::builtUpBase(game, 1); });
  runEventLoop(1000);  // settle: first frames, sprite caches
  double cpu = 0;
  double wall = 0;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    const double before = processCpuSeconds();
    runEventLoop(3000);
    cpu += processCpuSeconds() - before;
    wall += static_cast<double>(t.elapsed()) / 1000.0;
  }
  state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
  state.counters["resident_MB"] = residentMegabytes();
  state.SetLabel("budgets: 2 % of a core, 64 MB");
}
BENCHMARK(BM_IdleBattlefield)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
