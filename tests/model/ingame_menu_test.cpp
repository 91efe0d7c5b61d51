// The in-game menu: resuming, restarting and its two questions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/battlefield/animation.h"
#include "model/battlefield/keys.h"
#include "model/bot/bot.h"
#include "model/comm/windows.h"
#include "model/core/building_kinds.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/windows.h"
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
    g.unload<MainMenu>();
    g.levelNumber = static_cast<std::int16_t>(level);
    g.load<Briefing>().window.show();
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
    const int raisedBefore = game.battlefield().window.raised;
    menuKeyDown(game, kKeyEscape);
    const Millis now = game.clock.now();
    const Battlefield& f = game.battlefield();
    const Clock& c = game.clock;
    EXPECT_EQ(c.dueAt(kEconomyTimer), now + 500);
    EXPECT_EQ(c.dueAt(kAnimationPhase1Timer), now + 200);
    EXPECT_EQ(c.dueAt(kAnimationPhase2Timer), now + 200);
    // The resource display, a timer of every frame, ticks on the frames: the first one a
    // full interval on.
    const Millis display = c.dueAt(kResourceDisplayTimer);
    EXPECT_GE(display, now + Clock::kMinPeriod);
    EXPECT_LT(display, now + 2 * Clock::kMinPeriod);
    EXPECT_EQ(display % Clock::kMinPeriod, 0);
    // The bot runs above mission 1, the network level included.
    if (level > 1) EXPECT_EQ(c.dueAt(kBotTimer), now + c.interval(kBotTimer).count());
    else EXPECT_FALSE(c.enabled(kBotTimer));
    EXPECT_TRUE(f.window.enabled);
    EXPECT_GT(f.window.raised, raisedBefore);  // the battlefield comes in front of the backdrop
    EXPECT_FALSE(game.gameMenu().window.visible);
    EXPECT_TRUE(game.backdrop().window.visible);
  }
}

TEST(InGameMenu, RestartAfterBuildingGivesTheFreshStart) {
  FakePlatform platform;
  Game game(platform);
  playLevel(game, 1);
  game.clock.advanceBy(2000);
  Battlefield& before = game.battlefield();
  before.energy = 9000;
  before.working(Building::kAccumulator) = 1;
  before.lastOrderedSlot = 1;
  before.objects[1].kind = Building::kAccumulator;
  before.objects[1].shown = true;
  game.playerNick = "Вася";
  pauseWithMenu(game);
  restartClick(game);
  EXPECT_EQ(game.levelNumber, 1);
  EXPECT_TRUE(game.briefing().window.visible);
  loadTerrain(game);
  startClick(game);
  const Battlefield& f = game.battlefield();
  EXPECT_EQ(f.energy, 1500);
  EXPECT_EQ(f.working(Building::kAccumulator), 0);
  EXPECT_EQ(f.lastOrderedSlot, 0);
  EXPECT_FALSE(f.objects[1].shown);
  EXPECT_EQ(f.terrainTiles.size(), 20u);
  EXPECT_TRUE(f.window.visible);
  EXPECT_TRUE(f.window.enabled);
  EXPECT_TRUE(game.clock.enabled(kEconomyTimer));
  EXPECT_EQ(game.playerNick, "Player1");  // mission 1 takes the name box again
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
      {"Загрузить",
       menuLoadClick,
       "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)",
       &Game::loadConfirmPending,
       {}},
      {"Выход",
       menuExitClick,
       "Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)",
       &Game::exitConfirmPending,
       {"Pus.smus"}},
  };
  for (const QuestionCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    playLevel(game, 1);
    pauseWithMenu(game);
    platform.sounds.clear();
    c.ask(game);
    const MessageBox& box = game.messageBox();
    EXPECT_EQ(box.captionBar.caption, "Уверены?");
    EXPECT_EQ(box.text.caption, c.text);
    EXPECT_EQ(box.yesButton.caption, "Да");
    EXPECT_EQ(box.noButton.caption, "Нет");
    EXPECT_TRUE(box.yesButton.visible && box.noButton.visible);
    EXPECT_TRUE(box.window.visible);
    EXPECT_FALSE(game.gameMenu().window.enabled);
    EXPECT_TRUE(game.*c.flag);
    EXPECT_EQ(platform.soundNames(), c.cues);
  }
}

TEST(InGameMenu, NotepadOpensOverTheMenu) {
  FakePlatform platform;
  Game game(platform);
  playLevel(game, 1);
  pauseWithMenu(game);
  notepadClick(game);
  EXPECT_TRUE(game.notepad().window.visible);
  EXPECT_TRUE(game.gameMenu().window.visible);
  EXPECT_TRUE(game.gameMenu().window.enabled);
}

}  // namespace
}  // namespace kr::test
