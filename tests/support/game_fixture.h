// A game on the fake platform with helpers to start a mission and run its clock.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "support/chat_steps.h"
#include "support/fake_platform.h"

namespace kr::test {

class GameTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};

  // Loads the battlefield for a level as the briefing does, with the economy running.
  Battlefield& startLevel(int level) {
    game.levelNumber = static_cast<std::int16_t>(level);
    game.load<MainMenu>();  // reads the screen size, as at start-up
    game.unload<MainMenu>();
    Battlefield& f = game.load<Battlefield>();
    game.clock.setEnabled(kEconomyTimer, true);
    f.window.visible = true;
    return f;
  }
  Battlefield& world() { return game.battlefield(); }
  void say(const std::string& text) { sayInChat(game, text); }
  // A fresh mission hides the locator's and the tank factory's buttons and the page arrows;
  // the developer command shows them, and a second one, once the chat box has cleared,
  // turns the mode off again.
  void showHiddenPaletteButtons() {
    say("jyv");
    advance(kChatBoxTimer.interval.count());
    say("jyv");
    ASSERT_FALSE(game.developerMode);
  }
  void advance(Millis ms) { game.clock.advanceBy(ms); }
  bool running(TimerRef timer) const { return game.clock.enabled(timer); }
};

}  // namespace kr::test
