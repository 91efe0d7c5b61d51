// The notepad: the mission's chat lines, leaving it, bringing a line back.
#include <gtest/gtest.h>

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/comm/notepad.h"
#include "model/comm/windows.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

// The battlefield paused behind the in-game menu, with the notepad open over it.
class NotepadTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  void SetUp() override {
    game.playerNick = "Player1";
    for (const char* text : {"first", "second"}) say(text);
    advance(5000);
    game.clock.setEnabled(kEconomyTimer, false);
    f.window.enabled = false;
    game.load<GameMenu>().window.visible = true;
    game.notepad().window.visible = true;
  }
};

TEST_F(NotepadTest, EmptyUntilALineIsSubmitted) {
  game.unload<Battlefield>();
  EXPECT_FALSE(game.loaded<Notepad>());  // discarded with the battlefield
  startLevel(1);
  EXPECT_TRUE(game.load<Notepad>().lines.empty());
}

TEST_F(NotepadTest, BackToTheMenu) {
  notepadBackClick(game);
  EXPECT_TRUE(game.gameMenu().window.visible);
  EXPECT_FALSE(game.notepad().window.visible);
  EXPECT_FALSE(f.window.enabled);
}

TEST_F(NotepadTest, EscGoesToTheStillPausedBattlefield) {
  notepadKeyDown(game, kKeyEnter);
  EXPECT_TRUE(game.notepad().window.visible);
  notepadKeyDown(game, kKeyEscape);
  EXPECT_FALSE(game.notepad().window.visible);
  EXPECT_TRUE(f.window.enabled);
  EXPECT_TRUE(game.gameMenu().window.visible);
  EXPECT_FALSE(running(kEconomyTimer));
}

TEST_F(NotepadTest, DoubleClickBringsALineBackForFiveSeconds) {
  notepadDoubleClick(game, 1);
  EXPECT_EQ(f.chatBox.caption, "Блокнот: Player1: second");
  EXPECT_TRUE(f.chatBox.visible);
  advance(4999);
  EXPECT_TRUE(f.chatBox.visible);
  advance(1);
  EXPECT_FALSE(f.chatBox.visible);

  for (int outside : {-1, 2}) notepadDoubleClick(game, outside);
  EXPECT_FALSE(f.chatBox.visible);
}

}  // namespace
}  // namespace kr::test
