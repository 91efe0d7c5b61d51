// A game on the fake platform with helpers to start a mission and run its clock.
#pragma once

#include <gtest/gtest.h>

#include "model/game.h"
#include "support/fake_platform.h"

namespace kr::test {

class GameTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};

  // Loads the battlefield for a level as the briefing does, with the economy running.
  Form1& startLevel(int level) {
    game.LevelNumber = static_cast<std::int16_t>(level);
    game.welcome();  // reads the screen size, as at start-up
    game.unloadWelcome();
    Form1& f = game.form1();
    game.clock.setEnabled(f.timers.Timer1, true);
    f.window.visible = true;
    return f;
  }
  Form1& world() { return game.form1(); }
  void advance(Millis ms) { game.clock.advanceBy(ms); }
  bool running(TimerId id) const { return game.clock.enabled(id); }
};

}  // namespace kr::test
