// The chat line: submitted lines, the box and its timer, the console commands.
#include <gtest/gtest.h>

#include "model/comm/chat.h"
#include "model/comm/windows.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class ChatTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  void SetUp() override {
    game.playerNick = "Player1";
    game.clock.setEnabled(kEconomyTimer, false);  // stocks change only by command
  }
  void stocksAre(float value) {
    EXPECT_EQ(f.energy, value);
    EXPECT_EQ(f.metal, value);
    EXPECT_EQ(f.wood, value);
  }
};

TEST_F(ChatTest, LinesGrowTheBoxUpwardsUntilItClears) {
  const float restTop = f.chatBox.top;
  EXPECT_FLOAT_EQ(restTop, 984 - 27 - 25);
  say("привет");
  EXPECT_EQ(f.chatBox.caption, "Player1: привет");
  EXPECT_TRUE(f.chatBox.visible);
  EXPECT_EQ(f.chatLine.caption, "");
  EXPECT_FLOAT_EQ(f.chatBox.height, 54);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop - 27);
  advance(3000);
  say("  ");  // spaces are a line
  say("третья");
  EXPECT_EQ(f.chatBox.caption, "Player1: привет\r\nPlayer1:   \r\nPlayer1: третья");
  EXPECT_FLOAT_EQ(f.chatBox.height, 27 * 4);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop - 27 * 3);

  advance(4999);  // each line keeps the box for a full 5 s
  EXPECT_TRUE(f.chatBox.visible);
  advance(1);
  EXPECT_FALSE(f.chatBox.visible);
  EXPECT_EQ(f.chatBox.caption, "");
  EXPECT_FLOAT_EQ(f.chatBox.height, 27);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop);
  EXPECT_FALSE(running(kChatBoxTimer));
}

TEST_F(ChatTest, EmptyInputDoesNothing) {
  say("");
  EXPECT_FALSE(f.chatBox.visible);
  EXPECT_FLOAT_EQ(f.chatBox.height, 27);
  EXPECT_FALSE(running(kChatBoxTimer));
  EXPECT_FALSE(game.loaded<Notepad>());
}

TEST_F(ChatTest, EveryLineGoesToTheNotepadAsTyped) {
  say("jyv");
  say("hello");
  advance(5000);
  say("jyv");
  say("mopru");
  EXPECT_FALSE(game.notepad().window.visible);  // loaded hidden
  EXPECT_EQ(game.notepad().lines, (std::vector<std::string>{"Player1: jyv", "Velmarok: hello",
                                                            "Velmarok: jyv", "Velmarok: mopru"}));
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
    game.unload<Battlefield>();
    startLevel(c.level);
    game.playerNick = "Player1";
    game.developerMode = c.developer;
    say(c.word);
    Battlefield& w = world();
    EXPECT_EQ(w.energy, c.stocks);
    EXPECT_EQ(w.metal, c.stocks);
    EXPECT_EQ(w.wood, c.stocks);
    EXPECT_EQ(w.chatBox.caption, c.box);
    EXPECT_EQ(game.developerMode, c.developer && c.word != "jyv");
  }
}

TEST_F(ChatTest, DeveloperModeOnThenOff) {
  say("jyv");
  EXPECT_TRUE(game.developerMode);  // switching on never switches straight off again
  EXPECT_EQ(game.playerNick, "Velmarok");
  EXPECT_EQ(f.chatBox.caption, "Velmarok Режим девелопера был активирован");
  stocksAre(7000);
  for (Building kind : {Building::kLocator, Building::kTankFactory})
    EXPECT_TRUE(f.paletteButton(kind).visible);
  EXPECT_TRUE(f.nextPageArrow.visible);
  EXPECT_TRUE(f.previousPageArrow.visible);

  advance(5000);
  say("jyv");  // matched as "Velmarok: jyv"
  EXPECT_FALSE(game.developerMode);
  EXPECT_EQ(f.chatBox.caption, "Velmarok Режим девелопера был отключен");
  // Only the mode goes: nickname, stocks and buttons stay.
  EXPECT_EQ(game.playerNick, "Velmarok");
  stocksAre(7000);
  EXPECT_TRUE(f.paletteButton(Building::kTankFactory).visible);
}

TEST_F(ChatTest, CommandCountsOnlyInAnEmptyBox) {
  say("hi");
  say("mopru");
  stocksAre(1500);
  EXPECT_EQ(f.chatBox.caption, "Player1: hi\r\nPlayer1: mopru");
  advance(5000);
  say("mopru");
  stocksAre(2500);
}

TEST_F(ChatTest, NoticeReplacesTheTextAndKeepsTheHeight) {
  say("one");
  say("two");
  advance(4000);
  showChatNotice(game, "Цели миссии");
  EXPECT_EQ(f.chatBox.caption, "Цели миссии");
  EXPECT_FLOAT_EQ(f.chatBox.height, 81);
  advance(4999);
  EXPECT_TRUE(f.chatBox.visible);
  advance(1);
  EXPECT_FALSE(f.chatBox.visible);
}

// Lines that are wider than the box break at spaces into the lines it draws, and the box
// grows upwards by one line height for each of them.
TEST_F(ChatTest, LongLinesBreakAtSpacesAndGrowTheBoxPerDrawnLine) {
  f.chatBox.width = 16.0f * 35;  // as a save notice leaves it: 34 letters a line
  const float restTop = f.chatBox.top;
  say("Крепость стоит на холме у реки, враг за лесом");
  EXPECT_EQ(chatBoxLines(game), (std::vector<std::string>{"Player1: Крепость стоит на холме у",
                                                          "реки, враг за лесом"}));
  EXPECT_FLOAT_EQ(f.chatBox.height, 27 * 3);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop - 27 * 2);
  say("ок");
  EXPECT_EQ(chatBoxLines(game).size(), 3u);
  EXPECT_FLOAT_EQ(f.chatBox.height, 27 * 4);
  // The commands still see the text as typed.
  EXPECT_EQ(f.chatBox.caption,
            "Player1: Крепость стоит на холме у реки, враг за лесом\r\nPlayer1: ок");
}

TEST_F(ChatTest, ANoticeGrowsTheBoxOnlyWhenItTakesMoreLines) {
  f.chatBox.width = 16.0f * 35;
  const float restTop = f.chatBox.top;
  showChatNotice(game, "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.");
  EXPECT_EQ(chatBoxLines(game), (std::vector<std::string>{"Цели миссии: Собрать по 10000",
                                                          "единиц каждого из трех ресурсов."}));
  EXPECT_FLOAT_EQ(f.chatBox.height, 54);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop - 27);
  showChatNotice(game, "Блокнот: Player1: да");
  EXPECT_FLOAT_EQ(f.chatBox.height, 54);
  EXPECT_FLOAT_EQ(f.chatBox.top, restTop - 27);
}

TEST(WrapWords, BreaksAtSpacesAndWithinWordsWiderThanALine) {
  struct Case {
    std::string text;
    float width;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"ab cd", 5, {"ab cd"}},
      {"ab cd ef", 5, {"ab cd", "ef"}},
      {"ab   cd", 3, {"ab", "cd"}},  // the spaces of a break go
      {"  ab", 4, {"  ab"}},         // leading spaces stay
      {"abcdefgh", 3, {"abc", "def", "gh"}},
      {"ab abcdefg c", 4, {"ab", "abcd", "efg", "c"}},
      {"привет мир", 6, {"привет", "мир"}},  // letters, not bytes
      {"", 5, {""}},
  };
  const TextWidth letters = [](const std::string& s) { return static_cast<float>(textLength(s)); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(wrapWords(c.text, c.width, letters), c.lines);
  }
}

// A value goes in once, wherever its number stands; nothing in a value is read again.
TEST(FillIn, PutsTheValuesInPlaceOfTheirNumbers) {
  struct Case {
    const char* pattern;
    std::string filled;
  };
  const Case cases[] = {
      {"{1} Уровень {2} сохранен успешно", "Ник Уровень 2 сохранен успешно"},
      {"{2}, {1}", "2, Ник"},  // a translation may change the order
      {"{1}{1}", "НикНик"},
      {"{3} {0} {} {x} {", "{3} {0} {} {x} {"},  // no such value: the braces stay
      {"no values", "no values"},
  };
  for (const Case& c : cases) EXPECT_EQ(fillIn(c.pattern, {"Ник", "2"}), c.filled) << c.pattern;
  EXPECT_EQ(fillIn("{1}: {2}", {"{2}", "x"}), "{2}: x");
}

}  // namespace
}  // namespace kr::test
