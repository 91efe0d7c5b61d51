// The whole game played as a player plays it, on a real X server with real X input: from the
// main menu through a briefing, a building put down and inspected, the in-game menu and a
// save, to leaving the game. The game is one window on the desktop, and every step checks
// that; inside it, every step waits, for a bounded time, until the screen shows what the
// player should see: which of the game's windows stand there, over what, and a few of their
// pixels, with the game's window holding the keyboard. A failing step names itself, prints
// what the desktop showed and keeps the screenshot.
//
//   walk_test --game PROGRAM [--window-manager | --wayland | --edges] [--english]
//             [--shots FOLDER]
//
// With --window-manager the walk runs under openbox: another program comes in front of the
// open in-game menu and of the quit question and the game comes back as it was left, a game
// is loaded from the in-game menu, and the game is left by closing its window from the
// desktop. With --wayland the game runs natively on Weston, whose output is a window of the X
// server (so X input reaches the game as Wayland input, and the X screen shows what Weston
// composes), in the window Weston gives it under its panel: the same walk, a game loaded from
// the in-game menu, and the game left by the briefing's «Выйти» at the window's bottom edge.
// With --edges, under openbox and with a session bus of the walk's own, a second start brings
// the game to the front and ends, and the game's window destroyed by another program ends the
// game. With --english the game is started with --language en. With --shots every step's
// screen is kept in FOLDER, to look at.
// Exits 0 when the walk passes, 1 when a step fails, 77 when no X server, or on --wayland no
// compositor, can be started.
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
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/battlefield/pointer.h"
#include "model/comm/windows.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "model/texts.h"
#include "model/translation.h"
#include "support/fake_platform.h"
#include "ui/widgets/frame_size.h"
#include "x11/game_window_view.h"
#include "x11/screen_checks.h"
#include "x11/session.h"
#include "x11/stand_in_game.h"
#include "x11/x_desktop.h"

namespace kr::x11 {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

// Where the game puts its windows and controls in a game window of the given size: the game's
// own rules, played on a stand-in platform up to the moment each place is needed. Places are
// in the game's window.
struct Places {
  QRect mainMenu, mainMenuNewGame, mainMenuAbout;
  QRect aboutTitleBar, aboutOk;
  QRect gameMenu, menuRestart, menuSave, menuLoad, menuNotepad, menuExit;
  // The top of the menu's first button and the bottom of its last, which the message box
  // leaves free.
  QRect menuTop, menuBottom;
  QRect notepadBack;
  QRect boxCaption, boxYes, boxNo;
  BriefingPlaces briefing;
  QRect buildFrame, accumulatorButton, readyIcon, inspectedName, chatBox;
  QPoint groundPoint;   // where the accumulator is put down
  QRect accumulator;    // where it then stands
  QRect terrainSample;  // bare ground, away from every window but the battlefield

  QSize screen;

  // A window of that size centred on the screen, as the game centres its windows.
  QRect centred(float width, float height) const {
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    return QRect((screen.width() - w) / 2, (screen.height() - h) / 2, w, h);
  }
  static QRect in(const QRect& window, const Control& c) {
    return rectOf(c).translated(window.topLeft());
  }

  explicit Places(QSize gameScreen) : screen(gameScreen) {
    const MainMenu menu;
    mainMenu = centred(menu.width, menu.height);
    mainMenuNewGame = in(mainMenu, menu.newGameButton);
    mainMenuAbout = in(mainMenu, menu.aboutButton);
    const AboutBox about;
    const QRect aboutFrame = centred(static_cast<float>(FrameSize::outerWidth(int(about.width))),
                                     static_cast<float>(FrameSize::outerHeight(int(about.height))));
    aboutTitleBar =
        QRect(aboutFrame.left() + FrameSize::kBorder, aboutFrame.top() + FrameSize::kBorder,
              int(about.width) - 40, FrameSize::kTitleHeight);
    aboutOk = in(aboutFrame.translated(FrameSize::bodyLeft, FrameSize::bodyTop), about.okButton);
    const GameMenu gm;
    gameMenu = centred(gm.width, gm.height);
    menuRestart = in(gameMenu, gm.restartButton);
    menuSave = in(gameMenu, gm.saveButton);
    menuLoad = in(gameMenu, gm.loadButton);
    menuNotepad = in(gameMenu, gm.notepadButton);
    menuExit = in(gameMenu, gm.exitButton);
    menuTop = QRect(menuRestart.left() + 3, menuRestart.top() + 3, menuRestart.width() - 6, 9);
    menuBottom = QRect(menuExit.left() + 3, menuExit.bottom() - 11, menuExit.width() - 6, 9);
    const Notepad notepad;
    notepadBack = in(centred(notepad.width, notepad.height), notepad.backButton);

    StandInGame standIn(screen);
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

    // The quit question of the in-game menu, where the message box stands.
    battlefieldKeyDown(g, kKeyEscape);
    menuExitClick(g);
    const MessageBox& box = g.messageBox();
    const QRect boxRect =
        QRect(static_cast<int>(std::lround(box.left)), static_cast<int>(std::lround(box.top)),
              static_cast<int>(box.width), static_cast<int>(box.height));
    boxCaption = in(boxRect, box.captionBar);
    boxYes = in(boxRect, box.yesButton);
    boxNo = in(boxRect, box.noButton);
  }
};

// The game's windows as the player tells them apart on the screen.
enum class Role { MainMenu, About, Briefing, Battlefield, Backdrop, GameMenu, MessageBox, Notepad };

// What the walk looks for in the screen's pixels.
bool readyGreen(QRgb p) { return qGreen(p) > 200 && qRed(p) < 130 && qBlue(p) < 130; }
bool textDark(QRgb p) { return qGray(p) < 90; }
bool accumulatorRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 70 && qBlue(p) < 70; }
bool captionRed(QRgb p) { return qRed(p) > 230 && qGreen(p) < 40 && qBlue(p) < 40; }
bool titleBlue(QRgb p) { return qBlue(p) > 100 && qRed(p) < 30 && qGreen(p) < 30; }

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

// Whether most of the area shows the colour.
bool mostly(const QImage& area, bool (*is)(QRgb)) {
  return !area.isNull() && count(area, is) * 2 > area.width() * area.height();
}

// The desktops a walk runs on.
enum Desktops : unsigned {
  kBareServer = 1,     // an X server alone
  kWindowManager = 2,  // an X server under openbox
  kWayland = 4,        // Weston on an X server, the game native on it
  kEveryDesktop = kBareServer | kWindowManager | kWayland,
};

class Walk {
 public:
  Walk(Session& session, Desktop& desktop, GameWindowView& view, Desktops where)
      : session_(session), desktop_(desktop), view_(view), where_(where) {}

  Desktops where() const { return where_; }
  Desktop& desktop() { return desktop_; }
  Session& session() { return session_; }

  // The places of the game's controls in the game's window as the desktop now gives it:
  // worked out afresh, and input and pictures placed there, whenever that window moves or
  // changes its size.
  const Places& places() {
    const QRect area = view_.area();
    if (!places_ || (!area.isEmpty() && area != area_)) {
      if (!area.isEmpty()) area_ = area;
      desktop_.setGameArea(area_);
      places_ = std::make_unique<Places>(area_.size());
    }
    return *places_;
  }

  // The battlefield as it looked before anything was put on it.
  QImage battlefieldShot;

  // The game's windows on the X desktop: those of the game's window class.
  std::vector<TopWindow> gameWindows() {
    std::vector<TopWindow> out;
    for (const TopWindow& t : desktop_.stacking())
      if (t.windowClass == "krepostan") out.push_back(t);
    return out;
  }

  // Empty when the game is exactly one window on the desktop, titled with the game's name,
  // covering the area the desktop gives it; else what differs.
  std::string expectOneWindow() { return view_.expectOneWindow(); }
  // Empty when the game's window is on top of the desktop with the keyboard.
  std::string expectActive() { return view_.expectActive(); }

  // Empty when the screen shows the window of that role; else what it shows there.
  std::string expectShown(Role role) {
    const Places& p = places();
    if (role == Role::Briefing) return p.briefing.whyNotTyped(desktop_);
    if (role == Role::Backdrop) {
      const double before = brightness(battlefieldShot.copy(p.terrainSample));
      const double after = brightness(grab(p.terrainSample));
      return after < before * 0.4 && after > before * 0.08
                 ? ""
                 : "the ground went from brightness " + std::to_string(before) + " to " +
                       std::to_string(after) + ", not darkened by the backdrop";
    }
    return shows(role) ? "" : std::string("the ") + nameOf(role) + " is not there";
  }
  std::string expectGone(Role role) {
    return expectShown(role).empty() ? std::string("the ") + nameOf(role) + " is still there" : "";
  }

  // Empty when the game is one active window showing the roles; else the first that is amiss.
  std::string expect(const std::vector<Role>& roles) {
    std::string amiss = both(expectOneWindow(), expectActive());
    for (Role r : roles) amiss = both(amiss, expectShown(r));
    return amiss;
  }

  // What the desktop shows, for a failure message.
  std::string shown() { return view_.shown(); }

  void click(const QRect& control) { desktop_.click(control.center()); }

  static std::string both(const std::string& a, const std::string& b) { return a.empty() ? b : a; }
  static const char* nameOf(Role r) {
    switch (r) {
      case Role::MainMenu: return "main menu";
      case Role::About: return "about box";
      case Role::Briefing: return "briefing";
      case Role::Battlefield: return "battlefield";
      case Role::Backdrop: return "backdrop";
      case Role::GameMenu: return "in-game menu";
      case Role::MessageBox: return "message box";
      case Role::Notepad: return "notepad";
    }
    return "window";
  }

 private:
  QImage grab(const QRect& area) { return desktop_.grab(area); }
  bool face(const QRect& button) { return mostly(grab(button.adjusted(3, 3, -3, -3)), buttonFace); }

  // Whether the pixels that tell the window of that role are on the screen.
  bool shows(Role role) {
    const Places& p = places();
    switch (role) {
      case Role::MainMenu: return face(p.mainMenuNewGame);
      case Role::About:
        return mostly(grab(p.aboutTitleBar.adjusted(2, 2, -2, -2)), titleBlue) && face(p.aboutOk);
      case Role::Battlefield: return mostly(grab(p.buildFrame), panelGrey);
      case Role::GameMenu:
        return mostly(grab(p.menuTop), buttonFace) && mostly(grab(p.menuBottom), buttonFace);
      case Role::MessageBox: return mostly(grab(p.boxCaption.adjusted(2, 2, -2, -2)), captionRed);
      // Same size and place as the in-game menu: its list hides the menu's first button.
      case Role::Notepad: return face(p.notepadBack) && !mostly(grab(p.menuTop), buttonFace);
      case Role::Briefing:
      case Role::Backdrop: break;
    }
    return false;
  }

  Session& session_;
  Desktop& desktop_;
  GameWindowView& view_;
  Desktops where_;
  std::unique_ptr<Places> places_;
  QRect area_;
};

// One step of the walk: what the player does, then what the screen must show within the
// time limit (empty when it does, else what is amiss).
struct Step {
  const char* name;
  std::function<void(Walk&)> act;
  std::function<std::string(Walk&)> seen;
  unsigned where = kEveryDesktop;  // the desktops the step is taken on
  std::chrono::milliseconds limit = std::chrono::seconds(10);
};

std::string both(const std::string& a, const std::string& b) { return Walk::both(a, b); }

// The game has ended with status 0.
std::string endedWell(Walk& w) {
  Child& game = w.session().game();
  if (game.running()) return "the game is still running";
  if (game.status() != 0) return "the game ended with status " + std::to_string(game.status());
  return {};
}

// The in-game menu over the darkened battlefield.
std::string menuOverBattlefield(Walk& w) {
  return both(w.expect({Role::Backdrop, Role::GameMenu}), w.expectGone(Role::MessageBox));
}
// Playing: the battlefield bright, no menu.
std::string playing(Walk& w) {
  return both(w.expectGone(Role::GameMenu), w.expect({Role::Battlefield}));
}
// The quit question over the in-game menu over the darkened battlefield.
std::string quitQuestion(Walk& w) {
  return w.expect({Role::Backdrop, Role::GameMenu, Role::MessageBox});
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

// Another program comes up over the game, at the top left, and takes the keyboard.
void switchAway(Walk& w) {
  w.session().startOther({"xmessage", "-geometry", "+40+40", "another program"});
}
std::string otherInFront(Walk& w) {
  const std::vector<TopWindow> all = w.desktop().stacking();
  if (all.empty() || all.back().windowClass == "krepostan") return "the game is still in front";
  return w.expectOneWindow();
}
// The game's task bar entry: the window manager brings the game's window back in front of
// the other program, with the keyboard.
void switchBack(Walk& w) {
  const std::vector<TopWindow> game = w.gameWindows();
  if (!game.empty()) w.desktop().activate(game.front().id);
}

const std::vector<Step>& steps() {
  static const std::vector<Step> table{
      {"the main menu comes up", [](Walk&) {}, [](Walk& w) { return w.expect({Role::MainMenu}); }},
      {"«About» opens the about box, titled \"About\"",
       [](Walk& w) { w.click(w.places().mainMenuAbout); },
       [](Walk& w) {
         return w.expect({Role::MainMenu, Role::About});
       }},
      {"«OK» closes the about box", [](Walk& w) { w.click(w.places().aboutOk); },
       [](Walk& w) { return both(w.expectGone(Role::About), w.expect({Role::MainMenu})); }},
      {"«Начать новую одиночную игру» opens the briefing",
       [](Walk& w) { w.click(w.places().mainMenuNewGame); },
       [](Walk& w) { return w.expect({Role::Briefing}); }},
      {"«Загрузить» fills the loading bar to 100 % and brings «Начать»",
       [](Walk& w) { w.click(w.places().briefing.loadButton); },
       [](Walk& w) { return both(w.expect({}), w.places().briefing.whyNotLoaded(w.desktop())); }},
      {"«Начать» opens the battlefield", [](Walk& w) { w.click(w.places().briefing.startButton); },
       [](Walk& w) -> std::string {
         const std::string seen = w.expect({Role::Battlefield});
         if (!seen.empty()) return seen;
         // Kept once the window is drawn, to see the backdrop darken the ground later.
         w.battlefieldShot = w.desktop().grab();
         return {};
       }},
      {"the accumulator is ordered and its ready icon comes up",
       [](Walk& w) { w.click(w.places().accumulatorButton); },
       [](Walk& w) -> std::string {
         const int green = count(w.desktop().grab(w.places().readyIcon), readyGreen);
         return green > 20 ? "" : "the ready icon's green tick is not there";
       }},
      {"a click on the ready icon takes the accumulator in hand",
       [](Walk& w) { w.click(w.places().readyIcon); },
       [](Walk& w) -> std::string {
         return count(w.desktop().grab(w.places().readyIcon), readyGreen) == 0
                    ? ""
                    : "the ready icon is still there";
       }},
      {"the accumulator follows the pointer onto free ground",
       [](Walk& w) { w.desktop().movePointer(w.places().groundPoint); },
       [](Walk& w) -> std::string {
         // However the item in hand is drawn, it hides the ground.
         const QRect ghost = w.places().accumulator;
         return alike(w.desktop().grab(ghost), w.battlefieldShot.copy(ghost))
                    ? "nothing follows the pointer"
                    : "";
       }},
      {"a click puts the accumulator down and the palette works again",
       [](Walk& w) { w.desktop().click(w.places().groundPoint); },
       [](Walk& w) -> std::string {
         // An enabled button's caption is black, a disabled one's grey.
         const int black = count(w.desktop().grab(w.places().accumulatorButton), textDark);
         return black > 40 ? "" : "the palette is still disabled";
       }},
      {"the accumulator stays where it was put down",
       [](Walk& w) { w.desktop().movePointer(w.places().groundPoint + QPoint(0, 200)); },
       [](Walk& w) { return accumulatorAt(w, w.places().accumulator); }},
      {"a click on the accumulator shows its name",
       [](Walk& w) { w.click(w.places().accumulator); },
       [](Walk& w) -> std::string {
         const QRect name = w.places().inspectedName.adjusted(4, 4, -4, -4);
         const int letters = count(w.desktop().grab(name), textDark);
         return letters > 30 ? "" : "the inspection shows no name";
       }},
      {"Esc opens the in-game menu over the darkened battlefield", pressEscape,
       menuOverBattlefield},
      {"«Сохранить» writes the save and the chat box says so",
       [](Walk& w) { w.click(w.places().menuSave); },
       [](Walk& w) -> std::string {
         std::error_code error;
         const auto size = fs::file_size(w.session().saveFile(), error);
         if (error) return "no save.ssav in the game's folder";
         if (size != 503) return "save.ssav has " + std::to_string(size) + " bytes";
         if (count(w.desktop().grab(w.places().chatBox), chatRed) < 50)
           return "the chat box shows no line";
         return playing(w);
       }},
      {"Esc opens the in-game menu again", pressEscape, menuOverBattlefield},
      {"«Блокнот» opens the notepad over the in-game menu",
       [](Walk& w) { w.click(w.places().menuNotepad); },
       [](Walk& w) {
         return w.expect({Role::Backdrop, Role::Notepad});
       }},
      {"«Вернуться в меню» closes the notepad", [](Walk& w) { w.click(w.places().notepadBack); },
       menuOverBattlefield},
      {"another program comes in front of the darkened game", switchAway, otherInFront,
       kWindowManager},
      {"the game's task bar entry brings back the menu over the darkened battlefield", switchBack,
       menuOverBattlefield, kWindowManager},
      {"Esc in the menu resumes the game: the menu had the keyboard", pressEscape, playing},
      {"Esc opens the in-game menu to leave", pressEscape, menuOverBattlefield},
      {"«Выход» asks whether to leave", [](Walk& w) { w.click(w.places().menuExit); },
       quitQuestion},
      {"«Да» ends the game with status 0", [](Walk& w) { w.click(w.places().boxYes); }, endedWell,
       kBareServer},
      {"another program comes in front of the quit question", switchAway, otherInFront,
       kWindowManager},
      {"the game comes back with the quit question over the menu", switchBack, quitQuestion,
       kWindowManager},
      {"«Нет» goes back to the in-game menu", [](Walk& w) { w.click(w.places().boxNo); },
       menuOverBattlefield, kWindowManager | kWayland},
      {"«Загрузить» asks whether to load", [](Walk& w) { w.click(w.places().menuLoad); },
       quitQuestion, kWindowManager | kWayland},
      {"«Да» loads the game and keeps the game's window with the message box",
       [](Walk& w) { w.click(w.places().boxYes); },
       [](Walk& w) { return both(w.expect({Role::MessageBox}), w.expectGone(Role::GameMenu)); },
       kWindowManager | kWayland},
      {"«ОК» opens the briefing of the saved mission", [](Walk& w) { w.click(w.places().boxNo); },
       [](Walk& w) { return both(w.expectGone(Role::MessageBox), w.expect({Role::Briefing})); },
       kWindowManager | kWayland},
      {"closing the game's window from the desktop ends the game with status 0",
       [](Walk& w) {
         const std::vector<TopWindow> game = w.gameWindows();
         if (!game.empty()) w.desktop().closeFromFrame(game.front().id);
       },
       endedWell, kWindowManager},
      {"the briefing's «Выйти» stands whole inside the game's window", [](Walk&) {},
       [](Walk& w) { return w.places().briefing.whyNotWhole(w.desktop()); }, kWayland},
      {"«Выйти» ends the game with status 0",
       [](Walk& w) { w.click(w.places().briefing.quitButton); }, endedWell, kWayland},
  };
  return table;
}

// The program's edges on the desktop, under openbox with a session bus: a second start brings
// the running game to the front and ends, and the game's window destroyed by another
// program ends the game.
const std::vector<Step>& edgeSteps() {
  static const std::vector<Step> table{
      {"the main menu comes up", [](Walk&) {}, [](Walk& w) { return w.expect({Role::MainMenu}); }},
      {"another program comes in front of the game", switchAway, otherInFront},
      {"a second start brings the game to the front and ends with status 0",
       [](Walk& w) { w.session().startGameAgain(); },
       [](Walk& w) -> std::string {
         Child& second = w.session().secondGame();
         if (second.running()) return "the second start is still running";
         if (second.status() != 0)
           return "the second start ended with status " + std::to_string(second.status());
         return w.expect({Role::MainMenu});
       }},
      {"the game's window destroyed by another program ends the game with status 0",
       [](Walk& w) {
         const std::vector<TopWindow> game = w.gameWindows();
         if (!game.empty()) w.desktop().destroy(game.front().id);
       },
       endedWell},
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
  const bool saved = w.desktop().grabScreen().save(QString::fromStdString(shot));
  Child& game = w.session().game();
  std::fprintf(stderr, "walk %s: step %d, %s: FAILED\n  %s\n%s  screenshot: %s\n", session.c_str(),
               number, step.name, amiss.c_str(), w.shown().c_str(),
               saved ? fs::absolute(shot).c_str() : "(could not be saved)");
  if (!game.running()) std::fprintf(stderr, "  the game has ended with status %d\n", game.status());
  std::fprintf(stderr, "  the game's last output:\n%s", tail(w.session().gameLog(), 15).c_str());
  return false;
}

const char* nameOf(Desktops where) {
  return where == kWayland ? "wayland" : where == kWindowManager ? "openbox" : "bare";
}

int walk(const fs::path& program, Desktops where, bool english, bool edges, const fs::path& shots) {
  if (edges) where = kWindowManager;
  const std::string session =
      std::string(nameOf(where)) + (english ? "-english" : "") + (edges ? "-edges" : "");
  // In English the walk reads the game's texts as the game shows them.
  if (english && !text::speak("en", (program.parent_path() / "locale").string())) {
    std::fprintf(stderr, "walk %s: no English catalogue beside %s\n", session.c_str(),
                 program.c_str());
    return 1;
  }
  Session s;
  const auto desktop =
      where == kWayland ? startWaylandDesktop(s, kScreen) : startDesktop(s, kScreen);
  if (!desktop) return kSkip;
  if (edges) {
    if (const std::string why = s.startSessionBus(); !why.empty()) {
      std::fprintf(stderr, "walk %s: %s (scripts/deps.sh installs it)\n", session.c_str(),
                   why.c_str());
      return 1;
    }
  }
  if (where == kWindowManager) {
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
  // On Wayland the game's protocol log tells its toplevels.
  if (where == kWayland) s.logProtocol();
  s.startGame(program,
              english ? std::vector<std::string>{"--language", "en"} : std::vector<std::string>{});
  const auto view =
      where == kWayland ? waylandWindowView(*desktop, s.gameLog(), kScreen) : xWindowView(*desktop);
  Walk w(s, *desktop, *view, where);
  const auto started = SteadyClock::now();
  int number = 0;
  for (const Step& step : edges ? edgeSteps() : steps()) {
    if (!(step.where & where)) continue;
    ++number;
    if (!run(w, step, number, session)) {
      s.keep();
      std::fprintf(stderr, "  logs kept in %s\n", s.folder().c_str());
      return 1;
    }
    std::printf("walk %s: step %d, %s: ok\n", session.c_str(), number, step.name);
    if (!shots.empty())
      desktop->grabScreen().save(
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
  kr::x11::Desktops where = kr::x11::kBareServer;
  bool english = false;
  bool edges = false;
  std::filesystem::path shots;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--game" && i + 1 < argc) program = argv[++i];
    if (a == "--window-manager") where = kr::x11::kWindowManager;
    if (a == "--wayland") where = kr::x11::kWayland;
    if (a == "--english") english = true;
    if (a == "--edges") edges = true;
    if (a == "--shots" && i + 1 < argc) shots = argv[++i];
  }
  if (program.empty()) {
    std::fprintf(stderr,
                 "usage: %s --game PROGRAM [--window-manager | --wayland | --edges] "
                 "[--english] [--shots FOLDER]\n",
                 argv[0]);
    return 2;
  }
  return kr::x11::walk(program, where, english, edges, shots);
}
