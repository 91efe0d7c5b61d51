// The program's budgets on a 1920 × 1080 screen: peak memory over a whole session, idle
// processor time and wake-ups at the main menu and on a built-up battlefield in real time,
// the cost of one idle wake-up, and the main menu's first frame beside a bare Qt window's.
//
// --idle_seconds=S sets how long each idle stretch runs in real time (10 by default); the
// test command runs every benchmark once with a short stretch to see that it works.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "support/built_base.h"
#include "support/fake_platform.h"
#include "ui/application.h"
#include "ui/game_ui.h"
#include "ui/shell/main_menu_window.h"

namespace {

constexpr double kPeakBudgetMiB = 56;
double idleSeconds = 10;

double processCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// A figure of /proc/self/status in MiB: "VmRSS:" now, "VmHWM:" the peak so far.
double statusMiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == key) {
      double kb = 0;
      status >> kb;
      return kb / 1024.0;
    }
    std::getline(status, word);
  }
  return 0;
}

// Runs the event loop for a stretch of wall-clock time.
void runEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs what the event loop has waiting. Windows closed since go first, as in the program:
// there a window closes from its own button, and goes as soon as the click's handling
// returns to the event loop, while a window that comes up paints its first frame only once
// the display server has shown it, a round trip later. The offscreen platform shows a
// window at once.
void settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

// A game on the 1920 × 1080 screen of the fake platform.
struct Session {
  kr::test::FakePlatform platform;
  kr::Game game{platform};
  kr::GameUi ui;
  explicit Session(bool realTime) : ui(game, realTime) {
    platform.usable = {1920, 1080};
    platform.full = {1920, 1080};
  }
};

// Processor time and wake-ups of the real-time program over the idle stretch.
void measureIdle(benchmark::State& state, Session& s) {
  double cpu = 0;
  double wall = 0;
  std::uint64_t wakeUps = 0;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    const double before = processCpuSeconds();
    const std::uint64_t wakesBefore = s.ui.wakeUps();
    runEventLoop(static_cast<int>(idleSeconds * 1000));
    cpu += processCpuSeconds() - before;
    wall += static_cast<double>(t.elapsed()) / 1000.0;
    wakeUps += s.ui.wakeUps() - wakesBefore;
  }
  state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
  state.counters["wake_ups_per_s"] = static_cast<double>(wakeUps) / wall;
  state.counters["resident_MiB"] = statusMiB("VmRSS:");
}

// The whole session as a player takes it, on the game clock: the main menu, the briefing
// typed and the terrain painted, the battlefield with 280 buildings shown. It runs first,
// so that the process's peak is the session's.
void BM_SessionPeakMemory(benchmark::State& state) {
  for (auto _ : state) {
    Session s(false);
    s.ui.input([&s] { kr::startUp(s.game); });
    settle();
    s.ui.input([&s] { kr::newGameClick(s.game); });
    s.ui.input([&s] { kr::loadClick(s.game); });
    for (int i = 0; i < 20000 && !s.game.briefing().startButton.visible; ++i) {
      s.ui.advanceBy(16);
      if (i % 8 == 0) settle();
    }
    s.ui.input([&s] { kr::startClick(s.game); });
    s.ui.input([&s] { kr::test::builtUpBase(s.game, 1); });
    s.ui.advanceBy(1000);
    settle();
  }
  state.counters["peak_MiB"] = statusMiB("VmHWM:");
  state.counters["resident_MiB"] = statusMiB("VmRSS:");
  state.SetLabel("budget 56 MiB peak");
}
BENCHMARK(BM_SessionPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_IdleMainMenu(benchmark::State& state) {
  Session s(true);
  s.ui.input([&s] { kr::startUp(s.game); });
  settle();
  measureIdle(state, s);
  state.SetLabel("budget 0.1 % of a core, 0 wake-ups/s");
}
BENCHMARK(BM_IdleMainMenu)->Unit(benchmark::kMillisecond)->Iterations(1);

// A still mission-1 battlefield (factories blinking, nothing scrolling) with as many
// buildings as the argument.
void BM_IdleBattlefield(benchmark::State& state) {
  Session s(true);
  const int buildings = static_cast<int>(state.range(0));
  s.ui.input([&s, buildings] { kr::test::builtUpBase(s.game, 1, buildings); });
  runEventLoop(static_cast<int>(std::min(1.0, idleSeconds) * 1000));  // first frames, caches
  measureIdle(state, s);
  state.SetLabel("budget 1 % of a core with 280");
}
BENCHMARK(BM_IdleBattlefield)
    ->Arg(0)
    ->Arg(100)
    ->Arg(280)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// One wake-up of a still battlefield: the clock moves on to the next tick that needs a
// wake-up, the windows follow what changed, and the map repaints it.
void BM_IdleWakeUp(benchmark::State& state) {
  Session s(false);
  const int buildings = static_cast<int>(state.range(0));
  s.ui.input([&s, buildings] { kr::test::builtUpBase(s.game, 1, buildings); });
  s.ui.advanceBy(1000);
  settle();
  kr::Clock& clock = s.game.clock;
  for (auto _ : state) {
    const kr::Millis wake = clock.nextWake();
    clock.skipIdleTime(wake);
    clock.followWallClock(wake);
    s.ui.syncChanged();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_IdleWakeUp)->Arg(0)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

// A full-screen window that paints itself once: what any program costs at least.
class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 80, 40));
  }
};

// The first frames in this process; the whole program's start-up is bench/startup.sh.
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
    Session s(false);
    s.ui.input([&s] { kr::startUp(s.game); });
    if (auto* menu = s.ui.mainMenu()) benchmark::DoNotOptimize(menu->grab());
  }
}
BENCHMARK(BM_MainMenuFirstFrame)->Unit(benchmark::kMillisecond);

// Takes --idle_seconds=S off the arguments.
void readIdleSeconds(int& argc, char** argv) {
  const char* flag = "--idle_seconds=";
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
      idleSeconds = std::atof(argv[i] + std::strlen(flag));
    else argv[kept++] = argv[i];
  }
  argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
  kr::keepLargeBuffersMapped();  // as the program starts
  readIdleSeconds(argc, argv);
  // An offscreen 1920 × 1080 screen unless the caller gave a platform.
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
    const QString config = QDir::temp().filePath(QStringLiteral("krepostan_bench_screen.json"));
    std::ofstream(config.toStdString())
        << R"({"screens": [{"name": "S1", "x": 0, "y": 0, "width": 1920, "height": 1080, )"
        << R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double peak = statusMiB("VmHWM:");
  std::printf("this process's peak resident memory: %.1f MiB (budget %.0f MiB)\n", peak,
              kPeakBudgetMiB);
  return 0;
}
