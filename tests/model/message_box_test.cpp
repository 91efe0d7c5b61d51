// The message box: its two modes, its flagged answers, dragging it, and the end of
// mission 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bot/bot.h"
#include "model/core/world.h"
#include "model/persist/save_file.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

struct ModeCase {
  Answers answers;
  const char* no;
  bool yesShown;
};

TEST(MessageBox, OkOnlyHidesYes) {
  for (const ModeCase& c :
       {ModeCase{Answers::kOkOnly, "ОК", false}, ModeCase{Answers::kYesNo, "Нет", true}}) {
    SCOPED_TRACE(c.no);
    FakePlatform platform;
    Game game(platform);
    startUp(game);
    showMessageBox(game, "Загруженный уровень: 1", c.answers, "Загружено успешно!");
    const MessageBox& box = game.messageBox();
    EXPECT_EQ(box.captionBar.caption, "Загружено успешно!");
    EXPECT_EQ(box.text.caption, "Загруженный уровень: 1");
    EXPECT_EQ(box.noButton.caption, c.no);
    EXPECT_TRUE(box.noButton.visible);
    EXPECT_EQ(box.yesButton.visible, c.yesShown);
    EXPECT_TRUE(box.window.visible);
    // Centred on the 1280 × 984 screen.
    EXPECT_EQ(box.left, 500);
    EXPECT_EQ(box.top, 425);
  }
}

TEST(MessageBox, CaptionsOfOneUseDoNotLeakIntoTheNext) {
  FakePlatform platform;
  Game game(platform);
  toBattlefield(game);
  pauseWithMenu(game);
  menuExitClick(game);
  game.messageBox().left = 10;
  messageNoClick(game);
  EXPECT_FALSE(game.loaded<MessageBox>());
  menuLoadClick(game);
  const MessageBox& box = game.messageBox();
  EXPECT_EQ(box.noButton.caption, "Нет");
  EXPECT_EQ(box.left, 500);
}

// Mission 2 under way after mission 1 was won, saved as "Вася".
void saveMissionTwo(Game& g) {
  toBattlefield(g);
  g.playerNick = "Вася";
  Battlefield& f = g.battlefield();
  f.energy = f.metal = 10001;
  f.wood = 10001;
  g.clock.advanceBy(500);
  messageNoClick(g);
  loadTerrain(g);
  startClick(g);
  pauseWithMenu(g);
  saveClick(g);
}

TEST(MessageBox, LoadingTheSavedGameOpensItsBriefing) {
  struct Case {
    const char* name;
    void (*load)(Game&);
    std::string announced;  // the windows while the announcement shows
  };
  const Case cases[] = {
      {"from the main menu",
       [](Game& g) {
         g.unload<Battlefield>();
         g.unload<Backdrop>();
         g.unload<GameMenu>();
         startUp(g);
         loadGameClick(g);
       },
       "MainMenu:shown,disabled MessageBox:shown"},
      {"from the in-game menu",
       [](Game& g) {
         pauseWithMenu(g);
         menuLoadClick(g);
         messageYesClick(g);
       },
       "MainMenu:hidden,disabled MessageBox:shown"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    FakePlatform platform;
    platform.folder = folder.path();
    Game game(platform);
    saveMissionTwo(game);
    game.levelNumber = 1;
    game.playerNick = "Петя";
    c.load(game);
    EXPECT_EQ(windowsSeen(game), c.announced);
    const MessageBox& box = game.messageBox();
    EXPECT_EQ(box.captionBar.caption, "Загружено успешно!");
    EXPECT_EQ(box.text.caption, "Загруженный уровень: 2");
    EXPECT_EQ(box.noButton.caption, "ОК");
    EXPECT_FALSE(box.yesButton.visible);
    EXPECT_TRUE(platform.messages.empty());
    messageNoClick(game);
    EXPECT_EQ(windowsSeen(game), "Briefing:shown Backdrop:hidden,disabled");
    EXPECT_EQ(game.levelNumber, 2);
    EXPECT_EQ(game.playerNick, "Вася");
  }
}

TEST(MessageBox, FailedInGameLoadLeavesThePlayerAtTheMainMenu) {
  TempFolder folder;  // holds no saved game
  FakePlatform platform;
  platform.folder = folder.path();
  Game game(platform);
  toBattlefield(game);
  pauseWithMenu(game);
  menuLoadClick(game);
  messageYesClick(game);
  EXPECT_FALSE(game.loaded<Battlefield>());
  EXPECT_FALSE(game.loaded<Backdrop>());
  EXPECT_FALSE(game.loaded<GameMenu>());
  EXPECT_FALSE(game.loaded<MessageBox>());
  ASSERT_TRUE(game.loaded<MainMenu>());
  EXPECT_TRUE(game.mainMenu().window.visible);
  EXPECT_TRUE(game.mainMenu().window.enabled);
  EXPECT_FALSE(game.briefingPending || game.loadConfirmPending || game.exitConfirmPending);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Загрузить не получилось! Возможно поврежден файл сохранения");
  // The main menu works again.
  newGameClick(game);
  EXPECT_TRUE(game.briefing().window.visible);
}

struct DragStep {
  Point pointer;
  Point box;  // top-left corner afterwards
};

TEST(MessageBox, DraggingTheCaptionMovesTheBoxWhileThePointerIsOnTheStrip) {
  FakePlatform platform;
  Game game(platform);
  startUp(game);
  showMessageBox(game, "text", Answers::kYesNo, "caption");
  MessageBox& box = game.messageBox();
  ASSERT_EQ(box.left, 500);
  ASSERT_EQ(box.top, 425);
  messageCaptionMouseDown(game);
  const std::vector<DragStep> steps = {
      {{510, 430}, {510, 430}},  // on the strip: the corner jumps under the pointer
      {{520, 440}, {520, 440}},  // down and right stays on the strip
      {{515, 445}, {520, 440}},  // left of the box: off the strip, the box stays
      {{530, 460}, {530, 460}},  // back on the strip
      {{560, 490}, {530, 460}},  // below the strip (25 pixels high)
      {{810, 484}, {810, 484}},  // 280 right, 24 down: still on the 281-pixel strip
  };
  for (const DragStep& s : steps) {
    SCOPED_TRACE(std::to_string(s.pointer.x) + "," + std::to_string(s.pointer.y));
    platform.cursor = s.pointer;
    messageCaptionMouseMove(game);
    EXPECT_EQ(box.left, s.box.x);
    EXPECT_EQ(box.top, s.box.y);
  }
  messageCaptionMouseUp(game);
  platform.cursor = {815, 490};
  messageCaptionMouseMove(game);
  EXPECT_EQ(box.left, 810);
  EXPECT_EQ(box.width, 280);
}

TEST(MissionEnd, WinningMissionOneLeadsToTheLevelTwoBriefing) {
  FakePlatform platform;
  Game game(platform);
  toBattlefield(game);
  game.playerNick = "Вася";
  Battlefield& f = game.battlefield();
  f.energy = 10001;
  f.metal = 10001;
  f.wood = 10001;
  platform.sounds.clear();
  game.clock.advanceBy(500);

  const MessageBox& box = game.messageBox();
  EXPECT_EQ(box.captionBar.caption, "Поздравляю!!!");
  EXPECT_EQ(box.text.caption, "Вы прошли этот уровень!");
  EXPECT_EQ(box.noButton.caption, "ОК");
  EXPECT_TRUE(box.noButton.visible);
  EXPECT_FALSE(box.yesButton.visible);
  EXPECT_TRUE(box.window.visible);
  EXPECT_FALSE(f.window.enabled);
  EXPECT_EQ(game.levelNumber, 2);
  EXPECT_TRUE(game.briefingPending);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Pus.smus"});
  // The stocks keep changing, but the goal test does not fire again.
  game.clock.advanceBy(2000);
  EXPECT_GT(f.energy, 10001);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Pus.smus"});

  messageNoClick(game);
  EXPECT_FALSE(game.briefingPending);
  EXPECT_FALSE(game.loaded<MessageBox>());
  EXPECT_FALSE(game.loaded<Battlefield>());
  ASSERT_TRUE(game.loaded<Briefing>());
  EXPECT_TRUE(game.briefing().window.visible);
  game.clock.advanceBy(80 * 18);  // "Что, расслабились? " and its pause
  EXPECT_EQ(game.briefing().briefLabel.caption, "Что, расслабились?");

  loadTerrain(game);
  const Battlefield& next = game.battlefield();
  EXPECT_EQ(next.terrainTiles.size(), 100u);
  EXPECT_EQ(next.terrainTile, "Piclevel2");
  EXPECT_TRUE(next.objects[kEnemyHq].shown);
  EXPECT_TRUE(game.clock.enabled(kBotTimer));
  EXPECT_EQ(game.missionGoalText,
            "Цели миссии: Уничтожить подступающего к Королевству противника.");
  startClick(game);
  EXPECT_TRUE(next.window.visible);
  EXPECT_TRUE(next.window.enabled);
  EXPECT_EQ(game.playerNick, "Вася");
}

}  // namespace
}  // namespace kr::test
