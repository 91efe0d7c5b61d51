// A scripted hour of play with a fixed seed. Its summary of the world is compared with the
// stored one, so that a change in any rule shows up as a difference. After an intended
// change of the rules, run with KREPOSTAN_UPDATE_EXPECTED=1 to store the new summary.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/battlefield/pointer.h"
#include "model/clock/timer_rule.h"
#include "model/comm/chat.h"
#include "model/comm/windows.h"
#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "support/chat_steps.h"
#include "support/fake_platform.h"
#include "support/stored_text.h"

namespace kr::test {
namespace {

struct Step {
  Millis at;
  std::function<void(Game&)> act;
};

// A left press and release on bare ground at (x, y): a click there.
void clickGround(Game& g, float x, float y) {
  mapMouseDown(g, 1, x, y);
  mapMouseUp(g, 1, x, y);
  groundClick(g);
}

// The pointer carries the item to (x, y) and clicks bare ground there.
void putDown(Game& g, float x, float y) {
  mapMouseMove(g, 0, x, y);
  mapMouseMove(g, 0, x, y);
  clickGround(g, x, y);
}

void take(Game& g) { takeItem(g); }

std::vector<Step> script() {
  return {
      {0, [](Game& g) { startUp(g); }},
      {500, [](Game& g) { newGameClick(g); }},
      {1500, [](Game& g) { loadClick(g); }},
      {60000,
       [](Game& g) {
         nickChange(g, "Тестер");
         startClick(g);
       }},
      {61000, [](Game& g) { orderItem(g, Building::kAccumulator); }},
      {62500,
       [](Game& g) {
         take(g);
         putDown(g, 300, 300);
       }},
      {63000, [](Game& g) { orderItem(g, Building::kWoodWorks); }},
      {66000,
       [](Game& g) {
         take(g);
         putDown(g, 300, 420);
       }},
      {67000, [](Game& g) { orderItem(g, Building::kAccumulator); }},
      {68500,
       [](Game& g) {
         take(g);
         putDown(g, 60, 120);  // too close to the headquarters: stays in hand
         putDown(g, 420, 300);
       }},
      {70000, [](Game& g) { sayInChat(g, "mopru"); }},
      {80000, [](Game& g) { orderItem(g, Building::kMetalWorks); }},
      {86000,
       [](Game& g) {
         take(g);
         putDown(g, 420, 420);
       }},
      {90000, [](Game& g) { objectClick(g, 2); }},
      {90100, [](Game& g) { powerSwitchClick(g); }},
      {120000, [](Game& g) { powerSwitchClick(g); }},
      {130000, [](Game& g) { battlefieldKeyDown(g, kKeyEscape); }},
      {140000, [](Game& g) { menuKeyDown(g, kKeyEscape); }},
      {150000, [](Game& g) { battlefieldKeyDown(g, kKeyI); }},
      {160000, [](Game& g) { sayInChat(g, "hw6"); }},
      {175000, [](Game& g) { messageNoClick(g); }},  // "ОК": on to mission 2
      {176000, [](Game& g) { loadClick(g); }},
      {240000, [](Game& g) { startClick(g); }},
      {241000, [](Game& g) { sayInChat(g, "jyv"); }},
      {244000, [](Game& g) { sayInChat(g, "jyv"); }},  // the box still shows: only a line
      {250000, [](Game& g) { orderItem(g, Building::kLocator); }},
      {250100, [](Game& g) { putDown(g, 600, 300); }},
      {251000, [](Game& g) { orderItem(g, Building::kTankFactory); }},
      {251100, [](Game& g) { putDown(g, 800, 300); }},
      {252000, [](Game& g) { orderItem(g, Building::kWoodWorks); }},
      {252100, [](Game& g) { putDown(g, 600, 500); }},
      {253000, [](Game& g) { sayInChat(g, "jyv"); }},  // developer mode off
      {261000, [](Game& g) { objectClick(g, 2); }},    // the tank factory
      {262000, [](Game& g) { orderItem(g, Building::kTank); }},
      {270000, [](Game& g) { objectClick(g, 4); }},  // the tank
      {270100, [](Game& g) { mapMouseDown(g, 1, 1500, 1200); }},
      {270200,
       [](Game& g) {  // the release ends a click on the ground
         mapMouseUp(g, 1, 1500, 1200);
         groundClick(g);
       }},
      {400000,
       [](Game& g) {
         nextPageClick(g);                    // the converter's page
         orderItem(g, Building::kConverter);  // refused: too little energy
       }},
      {420000, [](Game& g) { putDown(g, 600, 700); }},  // no ready icon: nothing in hand
  };
}

std::string summary(Game& g) {
  std::ostringstream out;
  out << "level " << g.levelNumber << " nick " << g.playerNick << " developer " << g.developerMode
      << "\n";
  out << "windows";
  forEachWindow([&]<class W>(std::type_identity<W>) {
    if (g.loaded<W>()) out << " " << kWindowName<W>;
  });
  out << "\n";
  if (!g.loaded<Battlefield>()) return out.str();
  Battlefield& f = g.battlefield();
  out << "stocks " << f.energy << " " << f.metal << " " << f.wood << "\n";
  out << "counters " << f.working(Building::kAccumulator) << " " << f.working(Building::kMetalWorks)
      << " " << f.working(Building::kWoodWorks) << " " << f.working(Building::kTankFactory) << " "
      << f.working(Building::kConverter) << " locator " << f.locatorActive << f.locatorBuilt
      << "\n";
  out << "slots " << f.lastOrderedSlot << " bot step " << g.enemyBuildStep << " view " << f.viewX
      << "," << f.viewY << "\n";
  for (int i = 0; i < kSlots; ++i) {
    const MapObject& o = f.objects[static_cast<std::size_t>(i)];
    if (!o.shown) continue;
    out << "  " << i << " '" << tagOf(o.kind) << "' " << o.left << "," << o.top << " " << o.width
        << "x" << o.height << " " << o.picture << " powered "
        << static_cast<int>(f.powered[static_cast<std::size_t>(i)]) << "\n";
  }
  out << "timers";
  for (const TimerRule* t : declaredTimers<Battlefield>())
    if (g.clock.enabled(*t)) out << " " << t->name << "/" << g.clock.interval(*t).count();
  out << "\nchat '" << f.chatBox.caption << "' notepad lines "
      << (g.loaded<Notepad>() ? g.notepad().lines.size() : 0) << "\n";
  return out.str();
}

TEST(Regression, ScriptedHourOfPlay) {
  FakePlatform platform;
  platform.useGenerator = true;
  Game game(platform);
  for (const Step& step : script()) {
    game.clock.advanceTo(step.at);
    step.act(game);
  }
  game.clock.advanceTo(60 * 60 * 1000);
  const std::string got = summary(game) + "sounds " + std::to_string(platform.sounds.size()) + "\n";

  expectStoredText("regression_expected.txt", got);
}

}  // namespace
}  // namespace kr::test
