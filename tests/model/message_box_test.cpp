// The message box: its two modes, its flagged answers, dragging it, and the end of
// mission 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/persist/save_file.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

struct ModeCase {
  int mode;
  const char* no;
  bool yesShown;
};

TEST(MessageBox, ModeOneShowsOnlyOk) {
  for (const ModeCase& c : {ModeCase{1, "ОК", false}, ModeCase{0, "Нет", true},
                            ModeCase{2, "Нет", true}}) {
    SCOPED_TRACE(c.mode);
    FakePlatform platform;
    Game game(platform);
    startUp(game);
    showMessageBox(game, "Загруженный уровень: 1", c.mode, "Загружено успешно!");
    const MsgB& box = game.msgB();
    EXPECT_EQ(box.Cap.caption, "Загружено успешно!");
    EXPECT_EQ(box.Text.caption, "Загруженный уровень: 1");
    EXPECT_EQ(box.CmdNo.caption, c.no);
    EXPECT_TRUE(box.CmdNo.visible);
    EXPECT_EQ(box.CmdYes.visible, c.yesShown);
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
  game.msgB().left = 10;
  msgNoClick(game);
  EXPECT_FALSE(game.msgBLoaded());
  menuLoadClick(game);
  const MsgB& box = game.msgB();
  EXPECT_EQ(box.CmdNo.caption, "Нет");
  EXPECT_EQ(box.left, 500);
}

// Mission 2 under way after mission 1 was won, saved as "Вася".
void saveMissionTwo(Game& g) {
  toBattlefield(g);
  g.PlayerNick = "Вася";
  Form1& f = g.form1();
  f.Energy = f.Metal = 10001;
  f.Wood = 10001;
  g.clock.advanceBy(500);
  msgNoClick(g);
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
         g.unloadForm1();
         g.unloadFon();
         g.unloadForm3();
         startUp(g);
         loadGameClick(g);
       },
       "WElcome:shown,disabled MsgB:shown"},
      {"from the in-game menu",
       [](Game& g) {
         pauseWithMenu(g);
         menuLoadClick(g);
         msgYesClick(g);
       },
       "WElcome:hidden,disabled MsgB:shown"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    FakePlatform platform;
    platform.folder = folder.path();
    Game game(platform);
    saveMissionTwo(game);
    game.LevelNumber = 1;
    game.PlayerNick = "Петя";
    c.load(game);
    EXPECT_EQ(windowsSeen(game), c.announced);
    const MsgB& box = game.msgB();
    EXPECT_EQ(box.Cap.caption, "Загружено успешно!");
    EXPECT_EQ(box.Text.caption, "Загруженный уровень: 2");
    EXPECT_EQ(box.CmdNo.caption, "ОК");
    EXPECT_FALSE(box.CmdYes.visible);
    EXPECT_TRUE(platform.messages.empty());
    msgNoClick(game);
    EXPECT_EQ(windowsSeen(game), "Form2:shown Fon:hidden,disabled");
    EXPECT_EQ(game.LevelNumber, 2);
    EXPECT_EQ(game.PlayerNick, "Вася");
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
  msgYesClick(game);
  EXPECT_FALSE(game.form1Loaded());
  EXPECT_FALSE(game.fonLoaded());
  EXPECT_FALSE(game.form3Loaded());
  EXPECT_FALSE(game.msgBLoaded());
  ASSERT_TRUE(game.welcomeLoaded());
  EXPECT_TRUE(game.welcome().window.visible);
  EXPECT_TRUE(game.welcome().window.enabled);
  EXPECT_FALSE(game.BriefingPending || game.LoadConfirmPending || game.ExitConfirmPending);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Загрузить не получилось! Возможно поврежден файл сохранения");
  // The main menu works again.
  newGameClick(game);
  EXPECT_TRUE(game.form2().window.visible);
}

struct DragStep {
  Point pointer;
  Point box;  // top-left corner afterwards
};

TEST(MessageBox, DraggingTheCaptionMovesTheBoxWhileThePointerIsOnTheStrip) {
  FakePlatform platform;
  Game game(platform);
  startUp(game);
  showMessageBox(game, "text", 0, "caption");
  MsgB& box = game.msgB();
  ASSERT_EQ(box.left, 500);
  ASSERT_EQ(box.top, 425);
  msgCaptionMouseDown(game);
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
    msgCaptionMouseMove(game);
    EXPECT_EQ(box.left, s.box.x);
    EXPECT_EQ(box.top, s.box.y);
  }
  msgCaptionMouseUp(game);
  platform.cursor = {815, 490};
  msgCaptionMouseMove(game);
  EXPECT_EQ(box.left, 810);
  EXPECT_EQ(box.width, 280);
}

TEST(MissionEnd, WinningMissionOneLeadsToTheLevelTwoBriefing) {
  FakePlatform platform;
  Game game(platform);
  toBattlefield(game);
  game.PlayerNick = "Вася";
  Form1& f = game.form1();
  f.Energy = 10001;
  f.Metal = 10001;
  f.Wood = 10001;
  platform.sounds.clear();
  game.clock.advanceBy(500);

  const MsgB& box = game.msgB();
  EXPECT_EQ(box.Cap.caption, "Поздравляю!!!");
  EXPECT_EQ(box.Text.caption, "Вы прошли этот уровень!");
  EXPECT_EQ(box.CmdNo.caption, "ОК");
  EXPECT_TRUE(box.CmdNo.visible);
  EXPECT_FALSE(box.CmdYes.visible);
  EXPECT_TRUE(box.window.visible);
  EXPECT_FALSE(f.window.enabled);
  EXPECT_EQ(game.LevelNumber, 2);
  EXPECT_TRUE(game.BriefingPending);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Pus.smus"});
  // The stocks keep changing, but the goal test does not fire again.
  game.clock.advanceBy(2000);
  EXPECT_GT(f.Energy, 10001);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Pus.smus"});

  msgNoClick(game);
  EXPECT_FALSE(game.BriefingPending);
  EXPECT_FALSE(game.msgBLoaded());
  EXPECT_FALSE(game.form1Loaded());
  ASSERT_TRUE(game.form2Loaded());
  EXPECT_TRUE(game.form2().window.visible);
  game.clock.advanceBy(80 * 18);  // "Что, расслабились? " and its pause
  EXPECT_EQ(game.form2().Label1.caption, "Что, расслабились?");

  loadTerrain(game);
  const Form1& next = game.form1();
  EXPECT_EQ(next.terrainTiles.size(), 100u);
  EXPECT_EQ(next.terrainTile, "Piclevel2");
  EXPECT_TRUE(next.Baza[kEnemyHq].shown);
  EXPECT_TRUE(game.clock.enabled(next.timers.Bot));
  EXPECT_EQ(game.MissionGoalText, "Цели миссии: Уничтожить подступающего к Королевству противника.");
  startClick(game);
  EXPECT_TRUE(next.window.visible);
  EXPECT_TRUE(next.window.enabled);
  EXPECT_EQ(game.PlayerNick, "Вася");
}

}  // namespace
}  // namespace kr::test
