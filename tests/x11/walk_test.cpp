// The whole game played as a player plays it, on a real X server with real X input: from the
// main menu through a briefing, a building put down and inspected, the in-game menu and a
// save, to leaving the game. Every step waits, for a bounded time, until the X server shows
// what the player should see: which window is on top, which has the keyboard, and a few of
// the screen's pixels. A failing step names itself, prints what the server showed and keeps
// the screenshot.
//
//   walk_test --game PROGRAM [--window-manager] [--shots FOLDER]
//
// With --window-manager the walk runs under openbox, where windows get frames with titles
// and close boxes, and the game is left by closing the battlefield from its frame. With
// --shots every step's screen is kept in FOLDER, to look at.
// Exits 0 when the walk passes, 1 when a step fails, 77 when no X server can be started.
#include <X11/keysym.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "model/battlefield/pointer.h"
#include "model/core/palette.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/texts.h"
#include "support/fake_platform.h"
#include "x11/screen_checks.h"
#include "x11/session.h"
#include "x11/stand_in_game.h"
#include "x11/x_desktop.h"

namespace kr::x11 {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

// Where the game puts its controls on a 1920 × 1080 screen: the game's own rules, played on
// a stand-in platform up to the moment each place is needed. Places are in their window.
struct Places {
  MainMenu mainMenu;
  AboutBox about;
  GameMenu gameMenu;
  MessageBox messageBox;
  Notepad notepad;
  BriefingPlaces briefing;
  QRect buildFrame, accumulatorButton, readyIcon, inspectedName, chatBox;
  QPoint groundPoint;   // where the accumulator is put down
  QRect accumulator;    // where it then stands
  QRect terrainSample;  // bare ground, away from every window but the battlefield

  Places() {
    StandInGame standIn;
    Game& g = standIn.game;
    briefing = playToBattlefield(g);

    Battlefield& f = g.battlefield();
    buildFrame = rectOf(f.buildFrame);
    accumulatorButton = rectIn(f.buildFrame, f.paletteButton(Building::kAccumulator));
    readyIcon = rectIn(f.buildFrame, f.readyIcon);
    inspectedName = rectIn(f.inspectionFrame, f.inspectedName);
    chatBox = rectOf(f.chatBox);
    orderItem(g, Building::kAccumulator);
    runGameUntil(g, [&f] { return f.readyIcon.visible; });
    takeItem(g);
    groundPoint = QPoint(500, 500);
    mapMouseMove(g, 0, static_cast<float>(groundPoint.x()), static_cast<float>(groundPoint.y()));
    groundClick(g);
    accumulator = rectOf(f.objects[f.lastOrderedSlot]);
    terrainSample = QRect(200, 700, 40, 40);
  }
};

enum class Role {
  MainMenu,
  About,
  Briefing,
  Battlefield,
  Backdrop,
  GameMenu,
  MessageBox,
  Notepad,
  Other
};

const char* nameOf(Role r) {
  switch (r) {
    case Role::MainMenu: return "main menu";
    case Role::About: return "about box";
    case Role::Briefing: return "briefing";
    case Role::Battlefield: return "battlefield";
    case Role::Backdrop: return "backdrop";
    case Role::GameMenu: return "in-game menu";
    case Role::MessageBox: return "message box";
    case Role::Notepad: return "notepad";
    case Role::Other: break;
  }
  return "other window";
}

// What the walk looks for in the screen's pixels.
bool readyGreen(QRgb p) { return qGreen(p) > 200 && qRed(p) < 130 && qBlue(p) < 130; }
bool textDark(QRgb p) { return qGray(p) < 90; }
bool accumulatorRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 70 && qBlue(p) < 70; }

double brightness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  return image.isNull() ? 0 : sum / (image.width() * image.height());
}

// Whether two pictures of the same area show the same, but for a few pixels.
bool alike(const QImage& a, const QImage& b) {
  const int changed = changedPixels(a, b);
  return changed >= 0 && changed * 20 < a.width() * a.height();
}

class Walk {
 public:
  Walk(Session& session, Desktop& desktop, bool windowManager)
      : session_(session), desktop_(desktop), windowManager_(windowManager) {}

  const Places places;
  bool windowManager() const { return windowManager_; }
  Desktop& desktop() { return desktop_; }
  Session& session() { return session_; }

  // The briefing's window, once seen: the battlefield is the other full-screen window.
  WindowId briefing = 0;
  // The battlefield as it looked before anything was put on it.
  QImage battlefieldShot;

  Role roleOf(const TopWindow& w) const {
    const QSize size = w.rect.size();
    const auto is = [&size](float width, float height) {
      return size == QSize(static_cast<int>(width), static_cast<int>(height));
    };
    if (size == kScreen && !w.takesFocus) return Role::Backdrop;
    if (size == kScreen) return w.id == briefing ? Role::Briefing : Role::Battlefield;
    if (is(places.mainMenu.width, places.mainMenu.height)) return Role::MainMenu;
    if (is(places.about.width, places.about.height)) return Role::About;
    // The notepad has the in-game menu's size; its title tells them apart.
    if (w.title == text::kNotepad) return Role::Notepad;
    if (is(places.gameMenu.width, places.gameMenu.height)) return Role::GameMenu;
    if (is(places.messageBox.width, places.messageBox.height)) return Role::MessageBox;
    return Role::Other;
  }

  // The window of the role, when one is on the screen.
  const TopWindow* find(Role role) {
    windows_ = desktop_.stacking();
    for (const auto& w : windows_)
      if (roleOf(w) == role) return &w;
    return nullptr;
  }

  // A control's place in its window, on the screen.
  QPoint centreIn(Role role, const QRect& control) {
    const TopWindow* w = find(role);
    if (!w) return {-1, -1};
    return w->rect.topLeft() + control.center();
  }
  void clickOn(Role role, const QRect& control) { desktop_.click(centreIn(role, control)); }
  void clickOn(Role role, const Control& control) { clickOn(role, rectOf(control)); }

  // Empty when the roles are the topmost windows, in this order from the bottom, and the
  // last one has the keyboard; else what differs.
  std::string expectOnTop(const std::vector<Role>& roles) {
    windows_ = desktop_.stacking();
    std::vector<Role> top;
    for (const auto& w : windows_) top.push_back(roleOf(w));
    if (top.size() < roles.size() ||
        !std::equal(roles.begin(), roles.end(), top.end() - static_cast<long>(roles.size())))
      return "the windows on top are not, from the bottom: " + list(roles);
    const WindowId focus = desktop_.focus();
    const TopWindow* last = find(roles.back());
    if (!last || focus != last->id)
      return std::string("the ") + nameOf(roles.back()) + " does not have the keyboard";
    return {};
  }
  // Empty when a window of the role is on the screen.
  std::string expectOnScreen(Role role) {
    return find(role) ? "" : std::string("the ") + nameOf(role) + " is not on the screen";
  }
  // Empty when no window of the role is on the screen.
  std::string expectGone(Role role) {
    return find(role) ? std::string("the ") + nameOf(role) + " is still on the screen" : "";
  }

  // What the X server shows, for a failure message.
  std::string shown() {
    windows_ = desktop_.stacking();
    const WindowId focus = desktop_.focus();
    std::string out = "  windows, bottom to top:\n";
    for (const auto& w : windows_) {
      char line[256];
      std::snprintf(line, sizeof line, "    %-13s \"%s\" %dx%d+%d+%d%s%s%s\n", nameOf(roleOf(w)),
                    w.title.c_str(), w.rect.width(), w.rect.height(), w.rect.x(), w.rect.y(),
                    w.framed() ? " framed" : "", w.takesFocus ? "" : " no-focus",
                    w.id == focus ? "  <- keyboard" : "");
      out += line;
    }
    if (windows_.empty()) out += "    (none)\n";
    if (focus == 0) out += "  no window has the keyboard\n";
    return out;
  }

 private:
  static std::string list(const std::vector<Role>& roles) {
    std::string out;
    for (Role r : roles) out += std::string(out.empty() ? "" : ", ") + nameOf(r);
    return out;
  }

  Session& session_;
  Desktop& desktop_;
  bool windowManager_;
  std::vector<TopWindow> windows_;
};

// One step of the walk: what the player does, then what the screen must show within the
// time limit (empty when it does, else what is amiss).
struct Step {
  enum Where { Always, BareServer, WindowManager };
  const char* name;
  std::function<void(Walk&)> act;
  std::function<std::string(Walk&)> seen;
  Where where = Always;
  std::chrono::milliseconds limit = std::chrono::seconds(10);
};

std::string both(const std::string& a, const std::string& b) { return a.empty() ? b : a; }

// The game has ended with status 0.
std::string endedWell(Walk& w) {
  Child& game = w.session().game();
  if (game.running()) return "the game is still running";
  if (game.status() != 0) return "the game ended with status " + std::to_string(game.status());
  return {};
}

// The in-game menu over the backdrop over the battlefield, the menu with the keyboard.
std::string menuOverBattlefield(Walk& w) {
  return w.expectOnTop({Role::Battlefield, Role::Backdrop, Role::GameMenu});
}
// Playing: the battlefield in front of the backdrop, with the keyboard.
std::string playing(Walk& w) {
  return both(w.expectGone(Role::GameMenu), w.expectOnTop({Role::Backdrop, Role::Battlefield}));
}

// Empty when the accumulator's red field fills the place.
std::string accumulatorAt(Walk& w, const QRect& place) {
  const QImage at = w.desktop().grab(place);
  return count(at, accumulatorRed) > at.width() * at.height() / 5
             ? ""
             : "no accumulator stands at " + std::to_string(place.x()) + "," +
                   std::to_string(place.y());
}

void pressEscape(Walk& w) { w.desktop().pressKey(XK_Escape); }

const std::vector<Step>& steps() {
  static const std::vector<Step> table{
      {"the main menu comes up", [](Walk&) {},
       [](Walk& w) { return w.expectOnTop({Role::MainMenu}); }},
      {"«About» opens the about box, titled \"About\"",
       [](Walk& w) { w.clickOn(Role::MainMenu, w.places.mainMenu.aboutButton); },
       [](Walk& w) -> std::string {
         const TopWindow* about = w.find(Role::About);
         if (!about) return "no about box";
         if (about->title != "About") return "the about box's title is \"" + about->title + "\"";
         if (w.windowManager() && !about->framed()) return "the about box has no frame";
         return w.expectOnTop({Role::MainMenu, Role::About});
       }},
      {"«OK» closes the about box",
       [](Walk& w) { w.clickOn(Role::About, w.places.about.okButton); },
       [](Walk& w) { return both(w.expectGone(Role::About), w.expectOnTop({Role::MainMenu})); }},
      {"«Начать новую одиночную игру» opens the briefing",
       [](Walk& w) { w.clickOn(Role::MainMenu, w.places.mainMenu.newGameButton); },
       [](Walk& w) -> std::string {
         for (const auto& t : w.desktop().stacking())
           if (t.rect.size() == kScreen && t.takesFocus) w.briefing = t.id;
         return both(w.expectGone(Role::MainMenu), w.expectOnTop({Role::Briefing}));
       }},
      {"the briefing is typed", [](Walk&) {},
       [](Walk& w) { return w.places.briefing.whyNotTyped(w.desktop()); }},
      {"«Загрузить» fills the loading bar to 100 % and brings «Начать»",
       [](Walk& w) { w.clickOn(Role::Briefing, w.places.briefing.loadButton); },
       [](Walk& w) { return w.places.briefing.whyNotLoaded(w.desktop()); }},
      {"«Начать» opens the battlefield",
       [](Walk& w) { w.clickOn(Role::Briefing, w.places.briefing.startButton); },
       [](Walk& w) -> std::string {
         const std::string top =
             both(w.expectGone(Role::Briefing), w.expectOnTop({Role::Battlefield}));
         if (!top.empty()) return top;
         // Kept once the window is drawn, to see the backdrop darken the ground later.
         const QImage palette = w.desktop().grab(w.places.buildFrame);
         if (count(palette, panelGrey) < palette.width() * palette.height() / 2)
           return "the battlefield is not drawn";
         w.battlefieldShot = w.desktop().grab();
         return {};
       }},
      {"the accumulator is ordered and its ready icon comes up",
       [](Walk& w) { w.clickOn(Role::Battlefield, w.places.accumulatorButton); },
       [](Walk& w) -> std::string {
         const int green = count(w.desktop().grab(w.places.readyIcon), readyGreen);
         return green > 20 ? "" : "the ready icon's green tick is not there";
       }},
      {"a click on the ready icon takes the accumulator in hand",
       [](Walk& w) { w.clickOn(Role::Battlefield, w.places.readyIcon); },
       [](Walk& w) -> std::string {
         return count(w.desktop().grab(w.places.readyIcon), readyGreen) == 0
                    ? ""
                    : "the ready icon is still there";
       }},
      {"the accumulator follows the pointer onto free ground",
       [](Walk& w) { w.desktop().movePointer(w.places.groundPoint); },
       [](Walk& w) -> std::string {
         // However the item in hand is drawn, it hides the ground.
         const QRect ghost = w.places.accumulator;
         return alike(w.desktop().grab(ghost), w.battlefieldShot.copy(ghost))
                    ? "nothing follows the pointer"
                    : "";
       }},
      {"a click puts the accumulator down and the palette works again",
       [](Walk& w) { w.desktop().click(w.places.groundPoint); },
       [](Walk& w) -> std::string {
         // An enabled button's caption is black, a disabled one's grey.
         const int black = count(w.desktop().grab(w.places.accumulatorButton), textDark);
         return black > 40 ? "" : "the palette is still disabled";
       }},
      {"the accumulator stays where it was put down",
       [](Walk& w) { w.desktop().movePointer(w.places.groundPoint + QPoint(0, 200)); },
       [](Walk& w) { return accumulatorAt(w, w.places.accumulator); }},
      {"a click on the accumulator shows its name",
       [](Walk& w) { w.clickOn(Role::Battlefield, w.places.accumulator); },
       [](Walk& w) -> std::string {
         const QRect name = w.places.inspectedName.adjusted(4, 4, -4, -4);
         const int letters = count(w.desktop().grab(name), textDark);
         return letters > 30 ? "" : "the inspection shows no name";
       }},
      {"Esc opens the in-game menu over the darkened battlefield", pressEscape,
       [](Walk& w) -> std::string {
         const QRect sample = w.places.terrainSample;
         const double before = brightness(w.battlefieldShot.copy(sample));
         const double after = brightness(w.desktop().grab(sample));
         if (after > before * 0.4 || after < before * 0.08)
           return "the ground went from brightness " + std::to_string(before) + " to " +
                  std::to_string(after) + " under the backdrop";
         return menuOverBattlefield(w);
       }},
      {"«Сохранить» writes the save and the chat box says so",
       [](Walk& w) { w.clickOn(Role::GameMenu, w.places.gameMenu.saveButton); },
       [](Walk& w) -> std::string {
         std::error_code error;
         const auto size = fs::file_size(w.session().saveFile(), error);
         if (error) return "no save.ssav in the game's folder";
         if (size != 503) return "save.ssav has " + std::to_string(size) + " bytes";
         if (count(w.desktop().grab(w.places.chatBox), chatRed) < 50)
           return "the chat box shows no line";
         return playing(w);
       }},
      {"Esc opens the in-game menu again", pressEscape, menuOverBattlefield},
      {"«Блокнот» opens the notepad over the in-game menu",
       [](Walk& w) { w.clickOn(Role::GameMenu, w.places.gameMenu.notepadButton); },
       [](Walk& w) {
         return w.expectOnTop({Role::Backdrop, Role::GameMenu, Role::Notepad});
       }},
      {"«Вернуться в меню» closes the notepad",
       [](Walk& w) { w.clickOn(Role::Notepad, w.places.notepad.backButton); }, menuOverBattlefield},
      {"another program comes in front of the darkened game",
       [](Walk& w) {
         w.session().startOther({"xmessage", "-geometry", "+40+40", "another program"});
       },
       [](Walk& w) { return both(w.expectOnTop({Role::Other}), w.expectOnScreen(Role::GameMenu)); },
       Step::WindowManager},
      {"the in-game menu's task bar entry brings the game back over the other program",
       [](Walk& w) {
         if (const TopWindow* menu = w.find(Role::GameMenu)) w.desktop().activate(menu->id);
       },
       [](Walk& w) {
         return w.expectOnTop({Role::Backdrop, Role::GameMenu});
       },
       Step::WindowManager},
      {"Esc in the menu resumes the game", pressEscape, playing},
      {"Esc opens the in-game menu to leave", pressEscape, menuOverBattlefield, Step::BareServer},
      {"«Выход» asks whether to leave",
       [](Walk& w) { w.clickOn(Role::GameMenu, w.places.gameMenu.exitButton); },
       [](Walk& w) {
         return w.expectOnTop(
             {Role::Battlefield, Role::Backdrop, Role::GameMenu, Role::MessageBox});
       },
       Step::BareServer},
      {"«Да» ends the game with status 0",
       [](Walk& w) { w.clickOn(Role::MessageBox, w.places.messageBox.yesButton); }, endedWell,
       Step::BareServer},
      {"closing the battlefield from its frame ends the game with status 0",
       [](Walk& w) {
         if (const TopWindow* b = w.find(Role::Battlefield)) w.desktop().closeFromFrame(b->id);
       },
       endedWell, Step::WindowManager},
  };
  return table;
}

// Waits until the step's screen shows what it should; on failure says why and keeps the
// screenshot.
bool run(Walk& w, const Step& step, int number, const std::string& session) {
  step.act(w);
  const auto deadline = SteadyClock::now() + step.limit;
  std::string amiss;
  for (;;) {
    amiss = step.seen(w);
    if (amiss.empty()) return true;
    const bool gameGone = !w.session().game().running();
    if (gameGone || SteadyClock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string shot = "walk-" + session + "-failed.png";
  const bool saved = w.desktop().grab().save(QString::fromStdString(shot));
  Child& game = w.session().game();
  std::fprintf(stderr, "walk %s: step %d, %s: FAILED\n  %s\n%s  screenshot: %s\n", session.c_str(),
               number, step.name, amiss.c_str(), w.shown().c_str(),
               saved ? fs::absolute(shot).c_str() : "(could not be saved)");
  if (!game.running()) std::fprintf(stderr, "  the game has ended with status %d\n", game.status());
  std::fprintf(stderr, "  the game's last output:\n%s", tail(w.session().gameLog(), 15).c_str());
  return false;
}

int walk(const fs::path& program, bool windowManager, const fs::path& shots) {
  const std::string session = windowManager ? "openbox" : "bare";
  Session s;
  const auto desktop = startDesktop(s);
  if (!desktop) return kSkip;
  if (windowManager) {
    s.startWindowManager();
    const auto deadline = SteadyClock::now() + std::chrono::seconds(10);
    const auto ready = [&] {
      return desktop->windowManagerRunning() && fs::exists(s.windowManagerReady());
    };
    while (!ready() && SteadyClock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!ready()) {
      std::fprintf(stderr, "walk %s: openbox did not come up (scripts/deps.sh installs it):\n%s",
                   session.c_str(), tail(s.windowManagerLog(), 10).c_str());
      return 1;
    }
  }
  s.startGame(program);
  Walk w(s, *desktop, windowManager);
  const auto started = SteadyClock::now();
  int number = 0;
  for (const Step& step : steps()) {
    if (step.where == (windowManager ? Step::BareServer : Step::WindowManager)) continue;
    ++number;
    if (!run(w, step, number, session)) {
      s.keep();
      std::fprintf(stderr, "  logs kept in %s\n", s.folder().c_str());
      return 1;
    }
    std::printf("walk %s: step %d, %s: ok\n", session.c_str(), number, step.name);
    if (!shots.empty())
      desktop->grab().save(
          QString::fromStdString(shots / (session + "-" + std::to_string(number) + ".png")));
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - started);
  std::printf("walk %s: passed, %d steps in %.1f s\n", session.c_str(), number,
              static_cast<double>(ms.count()) / 1000);
  return 0;
}

}  // namespace
}  // namespace kr::x11

int main(int argc, char** argv) {
  std::filesystem::path program;
  bool windowManager = false;
  std::filesystem::path shots;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--game" && i + 1 < argc) program = argv[++i];
    if (a == "--window-manager") windowManager = true;
    if (a == "--shots" && i + 1 < argc) shots = argv[++i];
  }
  if (program.empty()) {
    std::fprintf(stderr, "usage: %s --game PROGRAM [--window-manager] [--shots FOLDER]\n", argv[0]);
    return 2;
  }
  return kr::x11::walk(program, windowManager, shots);
}
