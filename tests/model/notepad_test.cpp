// The notepad: the mission's chat lines, leaving it, bringing a line back.
#include <gtest/gtest.h>

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/comm/notepad.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

// The battlefield paused behind the in-game menu, with the notepad open over it.
class NotepadTest : public GameTest {
 protected:
  Form1& f = startLevel(1);
  void SetUp() override {
    game.PlayerNick = "Player1";
    for (const char* text : {"first", "second"}) {
      f.chatText.caption = text;
      chatSubmit(game);
    }
    advance(5000);
    game.clock.setEnabled(f.timers.Timer1, false);
    f.window.enabled = false;
    game.form3().window.visible = true;
    game.notePad().window.visible = true;
  }
};

TEST_F(NotepadTest, EmptyUntilALineIsSubmitted) {
  game.unloadForm1();
  EXPECT_FALSE(game.notePadLoaded());  // discarded with the battlefield
  startLevel(1);
  EXPECT_TRUE(game.notePad().List1.empty());
}

TEST_F(NotepadTest, BackToTheMenu) {
  notePadBackClick(game);
  EXPECT_TRUE(game.form3().window.visible);
  EXPECT_FALSE(game.notePad().window.visible);
  EXPECT_FALSE(f.window.enabled);
}

TEST_F(NotepadTest, EscGoesToTheStillPausedBattlefield) {
  notePadKeyDown(game, kKeyEnter);
  EXPECT_TRUE(game.notePad().window.visible);
  notePadKeyDown(game, kKeyEscape);
  EXPECT_FALSE(game.notePad().window.visible);
  EXPECT_TRUE(f.window.enabled);
  EXPECT_TRUE(game.form3().window.visible);
  EXPECT_FALSE(running(f.timers.Timer1));
}

TEST_F(NotepadTest, DoubleClickBringsALineBackForFiveSeconds) {
  notePadDoubleClick(game, 1);
  EXPECT_EQ(f.chat.caption, "Блокнот: Player1: second");
  EXPECT_TRUE(f.chat.visible);
  advance(4999);
  EXPECT_TRUE(f.chat.visible);
  advance(1);
  EXPECT_FALSE(f.chat.visible);

  for (int outside : {-1, 2}) notePadDoubleClick(game, outside);
  EXPECT_FALSE(f.chat.visible);
}

}  // namespace
}  // namespace kr::test
