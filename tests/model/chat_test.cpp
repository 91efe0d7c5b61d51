// The chat line: submitted lines, the box and its timer, the console commands.
#include <gtest/gtest.h>

#include "model/comm/chat.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class ChatTest : public GameTest {
 protected:
  Form1& f = startLevel(1);
  void SetUp() override {
    game.PlayerNick = "Player1";
    game.clock.setEnabled(f.timers.Timer1, false);  // stocks change only by command
  }
  void say(const std::string& text) {
    world().chatText.caption = text;
    chatSubmit(game);
  }
  void stocksAre(float value) {
    EXPECT_EQ(f.Energy, value);
    EXPECT_EQ(f.Metal, value);
    EXPECT_EQ(f.Wood, value);
  }
};

TEST_F(ChatTest, LinesGrowTheBoxUpwardsUntilItClears) {
  const float restTop = f.chat.top;
  EXPECT_FLOAT_EQ(restTop, 984 - 27 - 25);
  say("привет");
  EXPECT_EQ(f.chat.caption, "Player1: привет");
  EXPECT_TRUE(f.chat.visible);
  EXPECT_EQ(f.chatText.caption, "");
  EXPECT_FLOAT_EQ(f.chat.height, 54);
  EXPECT_FLOAT_EQ(f.chat.top, restTop - 27);
  advance(3000);
  say("  ");  // spaces are a line
  say("третья");
  EXPECT_EQ(f.chat.caption, "Player1: привет\r\nPlayer1:   \r\nPlayer1: третья");
  EXPECT_FLOAT_EQ(f.chat.height, 27 * 4);
  EXPECT_FLOAT_EQ(f.chat.top, restTop - 27 * 3);

  advance(4999);  // each line keeps the box for a full 5 s
  EXPECT_TRUE(f.chat.visible);
  advance(1);
  EXPECT_FALSE(f.chat.visible);
  EXPECT_EQ(f.chat.caption, "");
  EXPECT_FLOAT_EQ(f.chat.height, 27);
  EXPECT_FLOAT_EQ(f.chat.top, restTop);
  EXPECT_FALSE(running(f.timers.Timer7));
}

TEST_F(ChatTest, EmptyInputDoesNothing) {
  say("");
  EXPECT_FALSE(f.chat.visible);
  EXPECT_FLOAT_EQ(f.chat.height, 27);
  EXPECT_FALSE(running(f.timers.Timer7));
  EXPECT_FALSE(game.notePadLoaded());
}

TEST_F(ChatTest, EveryLineGoesToTheNotepadAsTyped) {
  say("jyv");
  say("hello");
  advance(5000);
  say("jyv");
  say("mopru");
  EXPECT_FALSE(game.notePad().window.visible);  // loaded hidden
  EXPECT_EQ(game.notePad().List1,
            (std::vector<std::string>{"Player1: jyv", "Velmarok: hello", "Velmarok: jyv",
                                      "Velmarok: mopru"}));
}

TEST_F(ChatTest, Commands) {
  struct Case {
    int level;
    bool developer;
    std::string word;
    float stocks;
    std::string box;
  };
  const std::vector<Case> cases = {
      {1, false, "mopru", 2500, "Player1 Ресурсы успешно добавлены"},
      {2, false, "mopru", 2500, "Player1 Ресурсы успешно добавлены"},
      {1, false, "hw6", 11500, "Player1: hw6"},
      {2, false, "hw6", 1500, "Player1: hw6"},
      {1, false, "HW6", 1500, "Player1: HW6"},
      {1, false, "jyv ", 1500, "Player1: jyv "},
      {1, true, "jyv", 1500, "Player1 Режим девелопера был отключен"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + " on level " + std::to_string(c.level));
    game.unloadForm1();
    startLevel(c.level);
    game.PlayerNick = "Player1";
    game.DeveloperMode = c.developer;
    say(c.word);
    Form1& w = world();
    EXPECT_EQ(w.Energy, c.stocks);
    EXPECT_EQ(w.Metal, c.stocks);
    EXPECT_EQ(w.Wood, c.stocks);
    EXPECT_EQ(w.chat.caption, c.box);
    EXPECT_EQ(game.DeveloperMode, c.developer && c.word != "jyv");
  }
}

TEST_F(ChatTest, DeveloperModeOnThenOff) {
  say("jyv");
  EXPECT_TRUE(game.DeveloperMode);  // switching on never switches straight off again
  EXPECT_EQ(game.PlayerNick, "Velmarok");
  EXPECT_EQ(f.chat.caption, "Velmarok Режим девелопера был активирован");
  stocksAre(7000);
  for (int i : {kLocator, kTankFactory}) EXPECT_TRUE(f.build[static_cast<std::size_t>(i)].visible);
  EXPECT_TRUE(f.BuildDalee.visible);
  EXPECT_TRUE(f.BuildNaZad.visible);

  advance(5000);
  say("jyv");  // matched as "Velmarok: jyv"
  EXPECT_FALSE(game.DeveloperMode);
  EXPECT_EQ(f.chat.caption, "Velmarok Режим девелопера был отключен");
  // Only the mode goes: nickname, stocks and buttons stay.
  EXPECT_EQ(game.PlayerNick, "Velmarok");
  stocksAre(7000);
  EXPECT_TRUE(f.build[kTankFactory].visible);
}

TEST_F(ChatTest, CommandCountsOnlyInAnEmptyBox) {
  say("hi");
  say("mopru");
  stocksAre(1500);
  EXPECT_EQ(f.chat.caption, "Player1: hi\r\nPlayer1: mopru");
  advance(5000);
  say("mopru");
  stocksAre(2500);
}

TEST_F(ChatTest, NoticeReplacesTheTextAndKeepsTheHeight) {
  say("one");
  say("two");
  advance(4000);
  showChatNotice(game, "Цели миссии");
  EXPECT_EQ(f.chat.caption, "Цели миссии");
  EXPECT_FLOAT_EQ(f.chat.height, 81);
  advance(4999);
  EXPECT_TRUE(f.chat.visible);
  advance(1);
  EXPECT_FALSE(f.chat.visible);
}

}  // namespace
}  // namespace kr::test
