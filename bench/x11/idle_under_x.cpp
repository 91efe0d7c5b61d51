// The real program idle on a real X server (Xvfb, a game window of 1920 × 1080) and, in the
// same run, natively on Wayland (Weston with its X11 backend and pixman renderer on Xvfb, its
// output a panel taller, so that the game's window is 1920 × 1080 there too): how much of a
// core it takes, how often it wakes and its peak memory, read from /proc over a stretch of
// real time, at the main menu, on a fresh mission-1 battlefield and on the same battlefield
// with a base built by hand, then while the player drags a selection over that base.
// Everything is reached as a player reaches it, with X input (on Wayland through Weston's
// window): the main menu's new game, the briefing's «Загрузить» and «Начать», the chat line's
// "jyv" (the developer's free orders), then each building ordered from the palette and put
// down on the ground, and "jyv" again, so that the base stands in an ordinary game.
//
//   idle_under_x --game PROGRAM [--seconds S] [--buildings N] [--shot FILE] [--x | --wayland]
//                [--sound-server]
//
// S is the real time of each stretch (20), N the base's buildings (280); FILE keeps the screen
// of the built base, to look at (FILE-x.png, FILE-wayland.png). --x or --wayland measures on
// that desktop alone. Prints one tab-separated line per stretch: "idle", the desktop ("X" or
// "Wayland"), the stretch's name, % of a core from utime + stime of all its threads (to the
// clock tick) and from the main thread's run time (schedstat, to the nanosecond), voluntary
// context switches a second (its wake-ups) of the main thread and of all threads that lived
// through the stretch, the peak resident memory so far (VmHWM) in MiB, and what is resident
// at the end of the stretch, in MiB: anonymous memory (the heap and the pictures), pages of
// files (the program and its libraries, the fonts) and shared memory (the windows' pixels,
// shared with the X server or the compositor). A desktop that cannot be started is skipped
// with a SKIP line that says why. Exits 0 when measured, 1 when the game did not get there,
// 77 when no desktop could be started. With --sound-server the game plays its cues into a
// private PulseAudio server (a null sink), so that its stream to the server stands open,
// corked, through the battlefield's stretches; each stretch's line then ends with the number
// of streams the server has open.
#include <X11/keysym.h>
#include <unistd.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/battlefield/pointer.h"
#include "model/comm/chat.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "support/sound_server.h"
#include "x11/screen_checks.h"
#include "x11/session.h"
#include "x11/stand_in_game.h"
#include "x11/x_desktop.h"

namespace kr::x11 {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

// One building of the base: the palette button that orders it, where the pointer puts it
// down and where it then stands (on the battlefield, which covers the screen).
struct Placement {
  QRect button;
  QPoint pointer;
  QRect stands;
};

// Where the game puts its windows and controls on a 1920 × 1080 screen, and the base's
// placements: the game's own rules, played on a stand-in platform, so that every placement
// is one the game accepts.
struct Plan {
  QSize mainMenu, briefingLoad;
  BriefingPlaces briefing;
  QRect newGame, buildFrame, chatLine, chatBox;
  QPoint restingPointer;  // on the inspection panel, away from the ground and the edges
  QPoint freeGround;      // bare ground right of the base's last building
  std::vector<Placement> base;
  std::string fault;  // empty when the plan holds

  Plan(int buildings, QSize screen) {
    StandInGame standIn(screen);
    Game& g = standIn.game;
    mainMenu = QSize(static_cast<int>(g.mainMenu().width), static_cast<int>(g.mainMenu().height));
    // The menu stands in the middle of the game's window.
    newGame = rectOf(g.mainMenu().newGameButton)
                  .translated((screen.width() - mainMenu.width()) / 2,
                              (screen.height() - mainMenu.height()) / 2);
    briefing = playToBattlefield(g);

    Battlefield& f = g.battlefield();
    buildFrame = rectOf(f.buildFrame);
    chatLine = rectOf(f.chatLine);
    restingPointer = rectOf(f.inspectionFrame).center();
    battlefieldKeyDown(g, kKeyEnter);
    chatLineChange(g, "jyv");
    battlefieldKeyDown(g, kKeyEnter);
    if (!g.developerMode) {
      fault = "\"jyv\" does not turn on the developer's free orders";
      return;
    }
    chatBox = rectOf(f.chatBox);

    // The ground left of the panels and above the chat box, in rows of cells one building
    // and a gap wide; a cell on the headquarters stays empty.
    const QRect ground(24, 8, rectOf(f.buildFrame).left() - 16, chatBox.top() - 24);
    const QRect headquarters = rectOf(f.objects[0]).adjusted(-8, -8, 8, 8);
    const kr::Building kinds[] = {kr::Building::kAccumulator, kr::Building::kMetalWorks,
                                  kr::Building::kWoodWorks};
    constexpr int kCellW = 68;
    constexpr int kCellH = 64;
    for (int y = ground.top(); y + kCellH <= ground.bottom() && freeGround.isNull(); y += kCellH)
      for (int x = ground.left(); x + kCellW <= ground.right() && freeGround.isNull();
           x += kCellW) {
        if (QRect(x, y, kCellW, kCellH).intersects(headquarters)) continue;
        if (base.size() == size_t(buildings)) {
          freeGround = QPoint(x + kCellW / 2, y + kCellH / 2);
          break;
        }
        const kr::Building kind = kinds[base.size() % 3];
        orderItem(g, kind);
        const int slot = f.lastOrderedSlot;
        // The building stands right of the pointer, centred on it from top to bottom.
        const QPoint pointer(x - 15, y + static_cast<int>(f.objects[slot].height / 2));
        mapMouseMove(g, 0, static_cast<float>(pointer.x()), static_cast<float>(pointer.y()));
        groundClick(g);
        if (f.placementPending) {
          fault = "the game refuses a building at " + std::to_string(x) + "," + std::to_string(y);
          return;
        }
        base.push_back(
            {rectIn(f.buildFrame, f.paletteButton(kind)), pointer, rectOf(f.objects[slot])});
      }
    if (freeGround.isNull())
      fault =
          "only " + std::to_string(base.size()) + " buildings and no free cell fit on the screen";
  }
};

// Whether two pictures of the same area differ in more than a few pixels.
bool differ(const QImage& a, const QImage& b) {
  return changedPixels(a, b) * 5 > a.width() * a.height();
}

// What /proc tells of the game at one moment.
struct Sample {
  double cpuSeconds = 0;   // user and system time of all its threads, ended ones too, in ticks
  double mainSeconds = 0;  // the main thread's time on a core, to the nanosecond
  long mainSwitches = 0;   // the main thread's voluntary context switches: its wake-ups
  std::map<std::string, long> switches;            // the same for each thread, by its id
  double peakMiB = 0;                              // VmHWM
  double anonMiB = 0, fileMiB = 0, sharedMiB = 0;  // RssAnon, RssFile, RssShmem
  SteadyClock::time_point at;
};

long field(const fs::path& status, const std::string& name) {
  std::ifstream in(status);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(name + ":", 0) == 0) return std::atol(line.c_str() + name.size() + 1);
  return 0;
}

Sample sample(pid_t pid) {
  Sample s;
  s.at = SteadyClock::now();
  const fs::path proc = fs::path("/proc") / std::to_string(pid);
  std::ifstream stat(proc / "stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The fields after the program's name, which stands in parentheses: utime and stime are
  // the 14th and 15th of the whole line.
  std::istringstream rest(text.substr(text.rfind(')') + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) rest >> skip;
  double utime = 0;
  double stime = 0;
  rest >> utime >> stime;
  s.cpuSeconds = (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
  std::ifstream schedstat(proc / "task" / std::to_string(pid) / "schedstat");
  double ns = 0;
  schedstat >> ns;
  s.mainSeconds = ns / 1e9;
  s.mainSwitches = field(proc / "status", "voluntary_ctxt_switches");
  std::error_code error;
  for (const auto& task : fs::directory_iterator(proc / "task", error))
    s.switches[task.path().filename().string()] =
        field(task.path() / "status", "voluntary_ctxt_switches");
  const auto mib = [&](const char* name) {
    return static_cast<double>(field(proc / "status", name)) / 1024;
  };
  s.peakMiB = mib("VmHWM");
  s.anonMiB = mib("RssAnon");
  s.fileMiB = mib("RssFile");
  s.sharedMiB = mib("RssShmem");
  return s;
}

// The wake-ups of the threads that lived through the stretch (a thread that ends takes its
// count along).
long threadSwitches(const Sample& from, const Sample& to) {
  long n = 0;
  for (const auto& [thread, switches] : to.switches)
    if (const auto was = from.switches.find(thread); was != from.switches.end())
      n += switches - was->second;
  return n;
}

class Run {
 public:
  Run(Session& session, Desktop& desktop, const Plan& plan, const char* desktopName,
      const test::SoundServer* sound)
      : session_(session),
        desktop_(desktop),
        plan_(plan),
        desktopName_(desktopName),
        sound_(sound) {}

  // Waits, for a bounded time, until the condition holds; false, and why, when it never does.
  bool await(const char* what, const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = SteadyClock::now() + limit;
    while (!done()) {
      if (!session_.game().running() || SteadyClock::now() >= deadline) {
        std::fprintf(stderr, "idle_under_x: %s did not happen\n  the game's last output:\n%s", what,
                     tail(session_.gameLog(), 10).c_str());
        session_.keep();
        desktop_.grab().save(QString::fromStdString((session_.folder() / "failed.png").string()));
        std::fprintf(stderr, "  screenshot and logs kept in %s\n", session_.folder().c_str());
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

  // Whether most of the area shows a button's face.
  bool buttonThere(const QRect& area) {
    const QImage face = desktop_.grab(area.adjusted(3, 3, -3, -3));
    return count(face, buttonFace) * 2 > face.width() * face.height();
  }

  // The game for a stretch of real time, after a moment to settle: idle, or with the player's
  // hand, which `play` moves a display frame at a time (its argument the frame's number).
  void measure(const char* name, double seconds, const std::function<void(int)>& play = {}) {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const pid_t pid = session_.game().pid();
    const Sample from = sample(pid);
    if (play) {
      const auto end = SteadyClock::now() + std::chrono::duration<double>(seconds);
      for (int frame = 0; SteadyClock::now() < end; ++frame) {
        play(frame);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
      }
    } else {
      std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
    const Sample to = sample(pid);
    const double real = std::chrono::duration<double>(to.at - from.at).count();
    std::printf("idle\t%s\t%s\t%.3f\t%.3f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f", desktopName_, name,
                100 * (to.cpuSeconds - from.cpuSeconds) / real,
                100 * (to.mainSeconds - from.mainSeconds) / real,
                static_cast<double>(to.mainSwitches - from.mainSwitches) / real,
                static_cast<double>(threadSwitches(from, to)) / real, to.peakMiB, to.anonMiB,
                to.fileMiB, to.sharedMiB);
    if (sound_) std::printf("\t%d", sound_->streamsOpen());
    std::printf("\n");
    std::fflush(stdout);
  }

  bool toMainMenu() {
    return await("the main menu coming up", [this] { return buttonThere(plan_.newGame); });
  }

  bool toBattlefield() {
    desktop_.click(plan_.newGame.center());
    if (!await(
            "the briefing being typed",
            [this] { return plan_.briefing.whyNotTyped(desktop_).empty(); },
            std::chrono::seconds(30)))
      return false;
    desktop_.click(plan_.briefing.loadButton.center());
    if (!await(
            "the loading bar filling",
            [this] { return plan_.briefing.whyNotLoaded(desktop_).empty(); },
            std::chrono::seconds(30)))
      return false;
    desktop_.click(plan_.briefing.startButton.center());
    return await("the battlefield being drawn", [this] {
      const QImage palette = desktop_.grab(plan_.buildFrame);
      return count(palette, panelGrey) >= palette.width() * palette.height() / 2;
    });
  }

  // Types a console command into the chat line, as a player does: Enter, the word, Enter.
  bool command(const char* word) {
    if (!await(
            "the chat box going away",
            [this] { return count(desktop_.grab(plan_.chatBox), chatRed) == 0; },
            std::chrono::seconds(15)))
      return false;
    const QImage before = desktop_.grab(plan_.chatLine);
    desktop_.pressKey(XK_Return);
    if (!await("the chat line opening",
               [&] { return differ(desktop_.grab(plan_.chatLine), before); }))
      return false;
    for (const char* c = word; *c; ++c) desktop_.pressKey(static_cast<unsigned long>(*c));
    desktop_.pressKey(XK_Return);
    return await("the chat box showing the command",
                 [this] { return count(desktop_.grab(plan_.chatBox), chatRed) > 50; });
  }

  bool buildBase() {
    if (!command("jyv")) return false;
    const QImage ground = desktop_.grab();
    for (const Placement& p : plan_.base) {
      desktop_.click(p.button.center());
      desktop_.movePointer(p.pointer);
      // The ghost follows the pointer once the order is taken.
      if (!await("a building following the pointer",
                 [&] { return differ(desktop_.grab(p.stands), ground.copy(p.stands)); }))
        return false;
      desktop_.click(p.pointer);
    }
    desktop_.movePointer(plan_.restingPointer);
    if (!command("jyv")) return false;
    const QImage built = desktop_.grab();
    int standing = 0;
    for (const Placement& p : plan_.base)
      standing += differ(built.copy(p.stands), ground.copy(p.stands)) ? 1 : 0;
    std::fprintf(stderr, "idle_under_x: %d of %zu buildings stand\n", standing, plan_.base.size());
    return standing == static_cast<int>(plan_.base.size()) &&
           await(
               "the chat box going away",
               [this] { return count(desktop_.grab(plan_.chatBox), chatRed) == 0; },
               std::chrono::seconds(15));
  }

 private:
  Session& session_;
  Desktop& desktop_;
  const Plan& plan_;
  const char* desktopName_;
  const test::SoundServer* sound_;  // the game's sound server, when it has one
};

// Weston's panel, which stands over the top of its output.
constexpr int kPanelHeight = 32;

// The size of the game's window that the game last noted (krepostan.start.info) once its main
// menu is on the screen; empty before.
QSize gameWindowIn(const fs::path& log) {
  std::ifstream in(log);
  QSize size;
  bool menuShown = false;
  for (std::string line; std::getline(in, line);) {
    menuShown = menuShown || line.find("main menu on screen") != std::string::npos;
    int w = 0;
    int h = 0;
    const auto at = line.find("game window ");
    if (at != std::string::npos &&
        std::sscanf(line.c_str() + at, "game window %d x %d", &w, &h) == 2)
      size = QSize(w, h);
  }
  return menuShown ? size : QSize();
}

// One desktop's stretches. Returns 0 when measured, 1 when the game did not get there, kSkip
// when the desktop could not be started.
int measureOn(bool wayland, const fs::path& program, double seconds, int buildings,
              const fs::path& shot, const test::SoundServer* sound) {
  const char* name = wayland ? "Wayland" : "X";
  Session s;
  // On Wayland the output is the panel taller: the game's window is the X screen's size.
  const QSize output = wayland ? kScreen + QSize(0, kPanelHeight) : kScreen;
  const auto desktop = wayland ? startWaylandDesktop(s, output) : startDesktop(s, output);
  if (!desktop) return kSkip;
  s.startGame(program);
  QSize window = kScreen;
  if (wayland) {
    const auto deadline = SteadyClock::now() + std::chrono::seconds(20);
    while ((window = gameWindowIn(s.gameLog())).isEmpty() && SteadyClock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (window.isEmpty()) {
      std::fprintf(stderr, "idle_under_x: the game's window did not come up on Wayland:\n%s",
                   tail(s.gameLog(), 10).c_str());
      return 1;
    }
    // The window stands under the panel, in the output's bottom right corner.
    desktop->setGameArea(
        QRect(QPoint(output.width() - window.width(), output.height() - window.height()), window));
  }
  const Plan plan(buildings, window);
  if (!plan.fault.empty()) {
    std::fprintf(stderr, "idle_under_x: %s\n", plan.fault.c_str());
    return 1;
  }
  Run run(s, *desktop, plan, name, sound);
  if (!run.toMainMenu()) return 1;
  desktop->movePointer({0, window.height() - 1});
  run.measure("main menu", seconds);
  if (!run.toBattlefield()) return 1;
  desktop->movePointer(plan.restingPointer);
  run.measure("battlefield, fresh", seconds);
  const auto started = SteadyClock::now();
  if (!run.buildBase()) return 1;
  std::fprintf(stderr, "idle_under_x: %s: the base took %.1f s to build\n", name,
               std::chrono::duration<double>(SteadyClock::now() - started).count());
  if (!shot.empty())
    desktop->grabScreen().save(
        QString::fromStdString(shot.string() + (wayland ? "-wayland.png" : "-x.png")));
  run.measure(("battlefield, " + std::to_string(buildings) + " buildings").c_str(), seconds);
  // A selection dragged from bare ground round and round over the base, a frame at a time.
  desktop->movePointer(plan.freeGround);
  desktop->leftButton(true);
  run.measure("dragging a selection", seconds, [&](int frame) {
    const double turn = frame * 0.05;
    desktop->movePointer(plan.freeGround + QPoint(static_cast<int>(-300 + 250 * std::cos(turn)),
                                                  static_cast<int>(-250 + 200 * std::sin(turn))));
  });
  desktop->leftButton(false);
  return 0;
}

}  // namespace
}  // namespace kr::x11

int main(int argc, char** argv) {
  std::filesystem::path program;
  double seconds = 20;
  int buildings = 280;
  std::filesystem::path shot;
  bool x = true;
  bool wayland = true;
  bool withSound = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--game" && i + 1 < argc) program = argv[++i];
    if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
    if (a == "--buildings" && i + 1 < argc) buildings = std::atoi(argv[++i]);
    if (a == "--shot" && i + 1 < argc) shot = argv[++i];
    if (a == "--x") wayland = false;
    if (a == "--wayland") x = false;
    if (a == "--sound-server") withSound = true;
  }
  if (program.empty() || seconds <= 0 || buildings < 0 || buildings > 297) {
    std::fprintf(stderr,
                 "usage: %s --game PROGRAM [--seconds S] [--buildings N (up to 297)] [--shot FILE] "
                 "[--x | --wayland] [--sound-server]\n",
                 argv[0]);
    return 2;
  }
  std::unique_ptr<kr::test::SoundServer> sound;
  if (withSound) {
    sound = std::make_unique<kr::test::SoundServer>();
    if (!sound->running()) {
      std::printf("SKIP: no private sound server: %s\n", sound->whyNot().c_str());
      return kr::x11::kSkip;
    }
    setenv("PULSE_SERVER", sound->address().c_str(), 1);
  }
  int measured = 0;
  int failed = 0;
  for (const bool onWayland : {false, true}) {
    if (!(onWayland ? wayland : x)) continue;
    const int status =
        kr::x11::measureOn(onWayland, program, seconds, buildings, shot, sound.get());
    if (status == 0) ++measured;
    if (status == 1) ++failed;
  }
  if (failed) return 1;
  return measured ? 0 : kr::x11::kSkip;
}
