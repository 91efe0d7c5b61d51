// Steps through the game's windows as the player takes them, and what the windows and
// timers look like afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/clock/timer_rule.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"

namespace kr::test {

// The program has started: the main menu is open.
inline void startProgram(Game& g) { startUp(g); }

// "Начать новую одиночную игру" from a freshly started program.
inline void toBriefing(Game& g) {
  startUp(g);
  newGameClick(g);
}

// "Загрузить", then the clock runs until "Начать" appears.
inline void loadTerrain(Game& g) {
  loadClick(g);
  for (int i = 0; i < 10000 && !g.briefing().startButton.visible; ++i) g.clock.advanceBy(16);
  ASSERT_TRUE(g.briefing().startButton.visible) << "the loading pass never ended";
}

// A new single-player game up to the running battlefield.
inline void toBattlefield(Game& g) {
  toBriefing(g);
  loadTerrain(g);
  startClick(g);
}

// Esc on the battlefield: the backdrop and the menu come up, the battlefield is disabled and
// its economy, animation, resource display and bot stand still.
inline void pauseWithMenu(Game& g) { battlefieldKeyDown(g, kKeyEscape); }

// The loaded windows in stacking order, each "name:shown" or "name:hidden", with
// ",disabled" when it takes no input.
inline std::string windowsSeen(Game& g) {
  std::string out;
  forEachWindow([&]<class W>(std::type_identity<W>) {
    if (!g.loaded<W>()) return;
    const WindowState& w = g.window<W>().window;
    if (!out.empty()) out += ' ';
    out += kWindowName<W>;
    out += w.visible ? ":shown" : ":hidden";
    if (!w.enabled) out += ",disabled";
  });
  return out;
}

// The names of the running timers of the battlefield and the briefing screen. The two
// animation timers take turns and count as one, "animation".
inline std::string timersRunning(Game& g) {
  std::string out;
  bool animation = false;
  const auto add = [&](const std::vector<const TimerRule*>& timers) {
    for (const TimerRule* t : timers) {
      if (!g.clock.enabled(*t)) continue;
      std::string name = t->name;
      if (name == "animation1" || name == "animation2") {
        if (animation) continue;
        animation = true;
        name = "animation";
      }
      if (!out.empty()) out += ' ';
      out += name;
    }
  };
  add(declaredTimers<Battlefield>());  // a window that is not loaded has none running
  add(declaredTimers<Briefing>());
  return out;
}

}  // namespace kr::test
