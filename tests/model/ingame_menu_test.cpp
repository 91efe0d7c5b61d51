// The in-game menu: resuming, restarting and its two questions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"

namespace kr::test {
namespace {

// A mission of the level under way, started through its briefing.
void playLevel(Game& g, int level) {
  startUp(g);
  if (level == 1) {
    newGameClick(g);
  } else {
    g.unloadWelcome();
    g.LevelNumber = static_cast<std::int16_t>(level);
    g.form2().window.show();
  }
  loadTerrain(g);
  startClick(g);
}

TEST(InGameMenu, EscTwiceRestartsEveryStoppedTimerOnAFullInterval) {
  for (int level : {1, 2, 100}) {
    SCOPED_TRACE(level);
    FakePlatform platform;
    Game game(platform);
    playLevel(game, level);
    game.clock.advanceBy(130);
    pauseWithMenu(game);
    game.clock.advanceBy(1000);
    const int raisedBefore = game.form1().window.raised;
    menuKeyDown(game, kKeyEscape);
    const Millis now = game.clock.now();
    const Form1& f = game.form1();
    const Clock& c = game.clock;
    EXPECT_EQ(c.dueAt(f.timers.Timer1), now + 500);
    EXPECT_EQ(c.dueAt(f.timers.Timer2), now + 200);
    EXPECT_EQ(c.dueAt(f.timers.Timer3), now + 200);
    EXPECT_EQ(c.dueAt(f.timers.Timer8), now + Clock::kMinPeriod);
    // The bot runs above mission 1, the network level included.
    if (level > 1)
      EXPECT_EQ(c.dueAt(f.timers.Bot), now + c.interval(f.timers.Bot));
    else
      EXPECT_FALSE(c.enabled(f.timers.Bot));
    EXPECT_TRUE(f.window.enabled);
    EXPECT_GT(f.window.raised, raisedBefore);  // the battlefield comes in front of the backdrop
    EXPECT_FALSE(game.form3().window.visible);
    EXPECT_TRUE(game.fon().window.visible);
  }
}

TEST(InGameMenu, RestartAfterBuildingGivesTheFreshStart) {
  FakePlatform platform;
  Game game(platform);
  playLevel(game, 1);
  game.clock.advanceBy(2000);
  Form1& before = game.form1();
  before.Energy = 9000;
  before.AccumulatorCount = 1;
  before.LastSlot = 1;
  before.Baza[1].tag = "elek";
  before.Baza[1].shown = true;
  game.PlayerNick = "Вася";
  pauseWithMenu(game);
  restartClick(game);
  EXPECT_EQ(game.LevelNumber, 1);
  EXPECT_TRUE(game.form2().window.visible);
  loadTerrain(game);
  startClick(game);
  const Form1& f = game.form1();
  EXPECT_EQ(f.Energy, 1500);
  EXPECT_EQ(f.AccumulatorCount, 0);
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_FALSE(f.Baza[1].shown);
  EXPECT_EQ(f.terrainTiles.size(), 20u);
  EXPECT_TRUE(f.window.visible);
  EXPECT_TRUE(f.window.enabled);
  EXPECT_TRUE(game.clock.enabled(f.timers.Timer1));
  EXPECT_EQ(game.PlayerNick, "Player1");  // mission 1 takes the name box again
}

struct QuestionCase {
  const char* name;
  void (*ask)(Game&);
  const char* text;
  bool Game::*flag;
  std::vector<std::string> cues;
};

TEST(InGameMenu, QuestionsFillTheBoxAndWaitForTheAnswer) {
  const std::vector<QuestionCase> cases = {
      {"Загрузить", menuLoadClick,
       "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)",
       &Game::LoadConfirmPending, {}},
      {"Выход", menuExitClick,
       "Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)",
       &Game::ExitConfirmPending, {"Pus.smus"}},
  };
  for (const QuestionCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    playLevel(game, 1);
    pauseWithMenu(game);
    platform.sounds.clear();
    c.ask(game);
    const MsgB& box = game.msgB();
    EXPECT_EQ(box.Cap.caption, "Уверены?");
    EXPECT_EQ(box.Text.caption, c.text);
    EXPECT_EQ(box.CmdYes.caption, "Да");
    EXPECT_EQ(box.CmdNo.caption, "Нет");
    EXPECT_TRUE(box.CmdYes.visible && box.CmdNo.visible);
    EXPECT_TRUE(box.window.visible);
    EXPECT_FALSE(game.form3().window.enabled);
    EXPECT_TRUE(game.*c.flag);
    EXPECT_EQ(platform.soundNames(), c.cues);
  }
}

TEST(InGameMenu, NotepadOpensOverTheMenu) {
  FakePlatform platform;
  Game game(platform);
  playLevel(game, 1);
  pauseWithMenu(game);
  notePadClick(game);
  EXPECT_TRUE(game.notePad().window.visible);
  EXPECT_TRUE(game.form3().window.visible);
  EXPECT_TRUE(game.form3().window.enabled);
}

}  // namespace
}  // namespace kr::test
