// The way through the game's windows: which windows are loaded, shown and enabled after
// each step, and which timers run.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
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
  Battlefield& f = g.battlefield();
  f.energy = 10001;
  f.metal = 10001;
  f.wood = 10001;
  g.clock.advanceBy(500);
}

// What the loader does when the saved game has been read.
void announceLoadedLevelTwo(Game& g) {
  g.levelNumber = 2;
  showMessageBox(g, "Загруженный уровень: 2", Answers::kOkOnly, "Загружено успешно!");
  g.mainMenu().window.enabled = false;
  g.briefingPending = true;
}

const char* const kBattlefieldTimers = "economy animation resourceDisplay scrolling bars";
const char* const kPausedTimers = "scrolling bars";
const char* const kBriefingTimers = "animation resourceDisplay scrolling bars typewriter progress";

struct FlowCase {
  const char* name;
  Steps steps;
  std::string windows;
  std::string timers;
};

TEST(WindowFlow, WindowsAndTimersAfterEachStep) {
  const std::vector<FlowCase> cases = {
      {"start-up", startProgram, "MainMenu:shown", ""},
      {"new game opens the briefing", toBriefing,
       "Battlefield:hidden Briefing:shown Backdrop:hidden,disabled", kBriefingTimers},
      {"Начать starts the battlefield", kBattlefield, "Battlefield:shown Backdrop:hidden,disabled",
       kBattlefieldTimers},
      {"Esc pauses behind the menu", kMenu,
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown", kPausedTimers},
      {"Esc in the menu resumes", then(kMenu, [](Game& g) { menuKeyDown(g, kKeyEscape); }),
       "Battlefield:shown Backdrop:shown,disabled GameMenu:hidden", kBattlefieldTimers},
      {"other keys in the menu do nothing", then(kMenu, [](Game& g) { menuKeyDown(g, kKeyEnter); }),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown", kPausedTimers},
      {"restart opens the briefing before the backdrop", then(kMenu, restartClick),
       "Battlefield:hidden Briefing:shown Backdrop:shown,disabled", kBriefingTimers},
      {"load question", then(kMenu, menuLoadClick),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown,disabled "
       "MessageBox:shown",
       kPausedTimers},
      {"load question, Нет", then(then(kMenu, menuLoadClick), messageNoClick),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown", kPausedTimers},
      {"load question, Да, the saved game cannot be read",
       then(then(kMenu, menuLoadClick), messageYesClick), "MainMenu:shown", ""},
      {"exit question", then(kMenu, menuExitClick),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown,disabled "
       "MessageBox:shown",
       kPausedTimers},
      {"exit question, Нет", then(then(kMenu, menuExitClick), messageNoClick),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown", kPausedTimers},
      {"notepad over the menu", then(kMenu, notepadClick),
       "Battlefield:shown,disabled Backdrop:shown,disabled GameMenu:shown Notepad:shown",
       kPausedTimers},
      {"about box", then(startProgram, aboutClick), "MainMenu:shown AboutBox:shown", ""},
      {"about box, OK", then(then(startProgram, aboutClick), aboutOkClick),
       "MainMenu:shown AboutBox:hidden", ""},
      {"about box stays open when a game starts",
       then(then(startProgram, aboutClick), newGameClick),
       "Battlefield:hidden Briefing:shown Backdrop:hidden,disabled AboutBox:shown",
       kBriefingTimers},
      {"about box, OK, after the game started brings the menu back",
       then(then(then(startProgram, aboutClick), newGameClick), aboutOkClick),
       "Battlefield:hidden Briefing:shown Backdrop:hidden,disabled MainMenu:shown AboutBox:hidden",
       kBriefingTimers},
      {"network game", then(startProgram, networkGameClick), "NetworkDialog:shown", ""},
      {"mission 1 won", then(kBattlefield, winMissionOne),
       "Battlefield:shown,disabled Backdrop:hidden,disabled MessageBox:shown", kBattlefieldTimers},
      {"mission 1 won, ОК", then(then(kBattlefield, winMissionOne), messageNoClick),
       "Briefing:shown Backdrop:hidden,disabled", "typewriter progress"},
      {"loaded announcement, ОК", then(then(startProgram, announceLoadedLevelTwo), messageNoClick),
       "Briefing:shown Backdrop:hidden,disabled", "typewriter progress"},
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
      {"exit question, Да", then(kMenu, menuExitClick), messageYesClick, {}},
      // Closing the game's window from the desktop ends it as "Да" to the exit question
      // does, whatever stands on the screen.
      {"window closed on the main menu", startProgram, gameWindowClosed, {}},
      {"window closed on the briefing", toBriefing, gameWindowClosed, {}},
      {"window closed in play", toBattlefield, gameWindowClosed, {}},
      {"window closed over the in-game menu", kMenu, gameWindowClosed, {}},
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
    const std::vector<std::string> names = platform.soundNames();
    EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<long>(before), names.end()),
              c.cuesOfTheEnd);
    // Nothing runs any more: no timer, no unload cue.
    game.clock.advanceBy(10000);
    game.unload<Battlefield>();
    EXPECT_EQ(platform.sounds.size(), before + c.cuesOfTheEnd.size());
  }
}

// The desktop may give the game's window another size at any time (a panel that comes up
// late, a resolution change, the player's ordinary window): every screen follows it.
TEST(WindowFlow, EveryScreenFollowsAChangedScreen) {
  const std::vector<std::pair<const char*, Steps>> cases = {
      {"main menu", startProgram},
      {"about box over the main menu", then(startProgram, aboutClick)},
      {"briefing", toBriefing},
      {"briefing, terrain loaded", then(toBriefing, loadTerrain)},
      {"battlefield", toBattlefield},
      {"message box over the battlefield", then(kMenu, menuExitClick)},
  };
  for (const auto& [name, steps] : cases) {
    SCOPED_TRACE(name);
    FakePlatform platform;
    platform.usable = platform.full = {1920, 1080};
    Game game(platform);
    steps(game);
    platform.usable = platform.full = {1280, 690};
    screenChanged(game);
    EXPECT_EQ(game.screenWidth, 1280);
    EXPECT_EQ(game.screenHeight, 690);
    EXPECT_EQ(game.fullScreenHeight, 690);
    if (game.loaded<Briefing>()) {
      const Briefing& w = game.briefing();
      EXPECT_FLOAT_EQ(w.loadButton.left + w.loadButton.width / 2, 640);
      EXPECT_FLOAT_EQ(w.quitButton.bottom(), 690);
      EXPECT_FLOAT_EQ(w.briefLabel.width, 1280);
    }
    if (game.loaded<Battlefield>()) {
      const Battlefield& f = game.battlefield();
      EXPECT_FLOAT_EQ(f.minimapFrame.right(), 1280);
      EXPECT_FLOAT_EQ(f.chatLine.bottom(), 690);
    }
    if (game.loaded<MessageBox>()) {
      const MessageBox& box = game.messageBox();
      EXPECT_LE(box.left + box.width, 1280);
      EXPECT_LE(box.top + box.height, 690);
    }
  }
}

TEST(WindowFlow, MainMenuLoadReadsTheScreenAndClearsTheFlags) {
  FakePlatform platform;
  platform.usable = {1600, 860};
  platform.full = {1600, 900};
  Game game(platform);
  game.briefingPending = game.loadConfirmPending = game.exitConfirmPending = true;
  startUp(game);
  EXPECT_EQ(game.screenWidth, 1600);
  EXPECT_EQ(game.screenHeight, 860);
  EXPECT_EQ(game.fullScreenHeight, 900);
  EXPECT_FALSE(game.briefingPending);
  EXPECT_FALSE(game.loadConfirmPending);
  EXPECT_FALSE(game.exitConfirmPending);
}

TEST(WindowFlow, NewGameAlwaysStartsMissionOneOffline) {
  FakePlatform platform;
  Game game(platform);
  game.levelNumber = 2;
  game.joinedNetworkGame = true;
  toBriefing(game);
  EXPECT_EQ(game.levelNumber, 1);
  EXPECT_FALSE(game.joinedNetworkGame);

  FakePlatform platform2;
  Game network(platform2);
  startUp(network);
  networkGameClick(network);
  EXPECT_EQ(network.levelNumber, 100);
}

TEST(WindowFlow, RestartPlaysTheCueTwiceAndDiscardsTheNotepad) {
  FakePlatform platform;
  Game game(platform);
  kMenu(game);
  game.load<Notepad>().lines.push_back("Player1: привет");
  platform.sounds.clear();
  restartClick(game);
  EXPECT_EQ(platform.soundNames(), (std::vector<std::string>{"Pus.smus", "Pus.smus"}));
  EXPECT_FALSE(game.loaded<Notepad>());
  EXPECT_FALSE(game.loaded<GameMenu>());
  EXPECT_EQ(game.levelNumber, 1);
}

}  // namespace
}  // namespace kr::test
