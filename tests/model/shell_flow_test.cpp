// The way through the game's windows: which windows are loaded, shown and enabled after
// each step, and which timers run.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"

namespace kr::test {
namespace {

using Steps = std::function<void(Game&)>;

Steps then(Steps first, Steps next) {
  return [first, next](Game& g) {
    first(g);
    next(g);
  };
}

const Steps kBattlefield = toBattlefield;
const Steps kMenu = then(kBattlefield, pauseWithMenu);

// Mission 1 won: all three stocks above 10000 at an economy tick.
void winMissionOne(Game& g) {
  Form1& f = g.form1();
  f.Energy = 10001;
  f.Metal = 10001;
  f.Wood = 10001;
  g.clock.advanceBy(500);
}

// What the loader does when the saved game has been read.
void announceLoadedLevelTwo(Game& g) {
  g.LevelNumber = 2;
  showMessageBox(g, "Загруженный уровень: 2", 1, "Загружено успешно!");
  g.welcome().window.enabled = false;
  g.BriefingPending = true;
}

const char* const kBattlefieldTimers = "Timer1 animation Timer8 Timer9 BarTimer";
const char* const kPausedTimers = "Timer9 BarTimer";
const char* const kBriefingTimers = "animation Timer8 Timer9 BarTimer TextTmr Form2.Timer1";

struct FlowCase {
  const char* name;
  Steps steps;
  std::string windows;
  std::string timers;
};

TEST(WindowFlow, WindowsAndTimersAfterEachStep) {
  const std::vector<FlowCase> cases = {
      {"start-up", startProgram, "WElcome:shown", ""},
      {"new game opens the briefing", toBriefing,
       "Form2:shown Form1:hidden Fon:hidden,disabled", kBriefingTimers},
      {"Начать starts the battlefield", kBattlefield, "Form1:shown Fon:hidden,disabled",
       kBattlefieldTimers},
      {"Esc pauses behind the menu", kMenu,
       "Form1:shown,disabled Fon:shown,disabled Form3:shown", kPausedTimers},
      {"Esc in the menu resumes", then(kMenu, [](Game& g) { menuKeyDown(g, kKeyEscape); }),
       "Form1:shown Fon:shown,disabled Form3:hidden", kBattlefieldTimers},
      {"other keys in the menu do nothing",
       then(kMenu, [](Game& g) { menuKeyDown(g, kKeyEnter); }),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown", kPausedTimers},
      {"restart opens the briefing before the backdrop", then(kMenu, restartClick),
       "Form2:shown Form1:hidden Fon:shown,disabled", kBriefingTimers},
      {"load question", then(kMenu, menuLoadClick),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown,disabled MsgB:shown",
       kPausedTimers},
      {"load question, Нет", then(then(kMenu, menuLoadClick), msgNoClick),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown", kPausedTimers},
      {"load question, Да, the saved game cannot be read",
       then(then(kMenu, menuLoadClick), msgYesClick), "WElcome:shown", ""},
      {"exit question", then(kMenu, menuExitClick),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown,disabled MsgB:shown",
       kPausedTimers},
      {"exit question, Нет", then(then(kMenu, menuExitClick), msgNoClick),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown", kPausedTimers},
      {"notepad over the menu", then(kMenu, notePadClick),
       "Form1:shown,disabled Fon:shown,disabled Form3:shown NotePadFrm:shown", kPausedTimers},
      {"about box", then(startProgram, aboutClick), "WElcome:shown frmAbout:shown", ""},
      {"about box, OK", then(then(startProgram, aboutClick), aboutOkClick),
       "WElcome:shown frmAbout:hidden", ""},
      {"about box stays open when a game starts", then(then(startProgram, aboutClick), newGameClick),
       "frmAbout:shown Form2:shown Form1:hidden Fon:hidden,disabled", kBriefingTimers},
      {"about box, OK, after the game started brings the menu back",
       then(then(then(startProgram, aboutClick), newGameClick), aboutOkClick),
       "WElcome:shown frmAbout:hidden Form2:shown Form1:hidden Fon:hidden,disabled",
       kBriefingTimers},
      {"network game", then(startProgram, networkGameClick), "Setka:shown", ""},
      {"mission 1 won", then(kBattlefield, winMissionOne),
       "Form1:shown,disabled Fon:hidden,disabled MsgB:shown", kBattlefieldTimers},
      {"mission 1 won, ОК", then(then(kBattlefield, winMissionOne), msgNoClick),
       "Form2:shown Fon:hidden,disabled", "TextTmr Form2.Timer1"},
      {"loaded announcement, ОК", then(then(startProgram, announceLoadedLevelTwo), msgNoClick),
       "Form2:shown Fon:hidden,disabled", "TextTmr Form2.Timer1"},
  };
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    c.steps(game);
    EXPECT_EQ(windowsSeen(game), c.windows);
    EXPECT_EQ(timersRunning(game), c.timers);
    EXPECT_FALSE(game.ended);
  }
}

struct EndCase {
  const char* name;
  Steps steps;
  Steps ending;
  std::vector<std::string> cuesOfTheEnd;
};

TEST(WindowFlow, EndingTheProgramStopsEverythingAtOnce) {
  const std::vector<EndCase> cases = {
      {"Выход of the main menu", startProgram, exitClick, {"Pus.smus"}},
      {"Выйти of the briefing", toBriefing, quitClick, {}},
      {"exit question, Да", then(kMenu, menuExitClick), msgYesClick, {}},
  };
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    c.steps(game);
    const std::size_t before = platform.sounds.size();
    c.ending(game);
    EXPECT_TRUE(game.ended);
    EXPECT_TRUE(platform.endCalled);
    EXPECT_TRUE(game.clock.halted());
    const std::vector<std::string> names = platform.soundNames();
    EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<long>(before), names.end()),
              c.cuesOfTheEnd);
    // Nothing runs any more: no timer, no unload cue.
    game.clock.advanceBy(10000);
    game.unloadForm1();
    EXPECT_EQ(platform.sounds.size(), before + c.cuesOfTheEnd.size());
  }
}

TEST(WindowFlow, MainMenuLoadReadsTheScreenAndClearsTheFlags) {
  FakePlatform platform;
  platform.usable = {1600, 860};
  platform.full = {1600, 900};
  Game game(platform);
  game.BriefingPending = game.LoadConfirmPending = game.ExitConfirmPending = true;
  startUp(game);
  EXPECT_EQ(game.ScreenWidth, 1600);
  EXPECT_EQ(game.ScreenHeight, 860);
  EXPECT_EQ(game.FullScreenHeight, 900);
  EXPECT_FALSE(game.BriefingPending);
  EXPECT_FALSE(game.LoadConfirmPending);
  EXPECT_FALSE(game.ExitConfirmPending);
}

TEST(WindowFlow, NewGameAlwaysStartsMissionOneOffline) {
  FakePlatform platform;
  Game game(platform);
  game.LevelNumber = 2;
  game.JoinedNetworkGame = true;
  toBriefing(game);
  EXPECT_EQ(game.LevelNumber, 1);
  EXPECT_FALSE(game.JoinedNetworkGame);

  FakePlatform platform2;
  Game network(platform2);
  startUp(network);
  networkGameClick(network);
  EXPECT_EQ(network.LevelNumber, 100);
}

TEST(WindowFlow, RestartPlaysTheCueTwiceAndDiscardsTheNotepad) {
  FakePlatform platform;
  Game game(platform);
  kMenu(game);
  game.notePad().List1.push_back("Player1: привет");
  platform.sounds.clear();
  restartClick(game);
  EXPECT_EQ(platform.soundNames(), (std::vector<std::string>{"Pus.smus", "Pus.smus"}));
  EXPECT_FALSE(game.notePadLoaded());
  EXPECT_FALSE(game.form3Loaded());
  EXPECT_EQ(game.LevelNumber, 1);
}

}  // namespace
}  // namespace kr::test
