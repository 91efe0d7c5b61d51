// Sleeping between wake-ups: where the program needs none, and that a program which wakes
// only when a tick needs it plays the same game as one that wakes every frame.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/battlefield/pointer.h"
#include "model/comm/chat.h"
#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "support/chat_steps.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"

namespace kr::test {
namespace {

using Steps = std::function<void(Game&)>;

// The briefing has typed its last letter and the terrain is painted.
void briefingDone(Game& g) {
  toBriefing(g);
  loadTerrain(g);
  const Briefing& w = g.briefing();
  for (int i = 0; i < 100000 && static_cast<std::size_t>(w.textPos) <= w.briefText.size(); ++i)
    g.clock.advanceBy(16);
  ASSERT_GT(static_cast<std::size_t>(w.textPos), w.briefText.size()) << "the typing never ended";
}

TEST(Wakes, OnlyATickThatCouldShowWakesTheProgram) {
  struct Case {
    const char* name;
    Steps steps;
    bool wakes;
  };
  const std::vector<Case> cases = {
      {"main menu", startProgram, false},
      {"about box", [](Game& g) { startProgram(g), aboutClick(g); }, false},
      {"briefing typing", toBriefing, true},
      {"briefing typed and loaded", briefingDone, false},
      {"battlefield", toBattlefield, true},
      {"battlefield paused behind the menu",
       [](Game& g) {
         toBattlefield(g);
         pauseWithMenu(g);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    c.steps(game);
    game.clock.advanceBy(1000);  // whatever the step itself set going has run
    EXPECT_EQ(game.clock.nextWake() >= 0, c.wakes);
  }
}

TEST(Wakes, ATickAndTheDisplayOfWhatItChangedShareOneWakeUp) {
  // The idle battlefield wakes for its five animation phases and two economy ticks a
  // second; the resource panel shows the new stocks on the economy tick's own frame.
  // The player's clicks come between frames: the battlefield's timers start at any moment.
  for (const Millis startedAt : {0, 5, 11}) {
    SCOPED_TRACE(startedAt);
    FakePlatform platform;
    Game game(platform);
    game.clock.advanceBy(startedAt);
    toBattlefield(game);
    game.clock.advanceBy(1000);
    Millis wall = game.clock.nextWake();
    ASSERT_GE(wall, 0);
    const Millis until = wall + 10000;
    int wakeUps = 0;
    std::string shown;
    for (; wall < until; wall = game.clock.nextWake()) {
      ASSERT_GT(wall, 0);
      game.clock.skipIdleTime(wall);
      game.clock.followWallClock(wall);
      ++wakeUps;
      shown = game.battlefield().energyStock.caption;
    }
    EXPECT_LE(wakeUps, 10 * (5 + 2));
    // What the last wake-up fired is on the panel without another frame.
    game.clock.advanceBy(Clock::kMinPeriod);
    EXPECT_EQ(game.battlefield().energyStock.caption, shown);
  }
}

struct Input {
  Millis at;  // on a frame's time, so that both programs see the input at the same moment
  Steps act;
};

void clickGround(Game& g, float x, float y) {
  mapMouseDown(g, 1, x, y);
  mapMouseUp(g, 1, x, y);
  groundClick(g);
}

// Both missions: the hidden battlefield behind the briefings, building, a pause, a tank
// driving and the enemy bot.
std::vector<Input> inputs() {
  return {
      {0, startUp},
      {496, newGameClick},
      {1504, loadClick},
      {40000, startClick},
      {40992, [](Game& g) { sayInChat(g, "hw6"); }},
      {45008, messageNoClick},  // on to mission 2
      {46000, loadClick},
      {90000, startClick},
      {90992, [](Game& g) { sayInChat(g, "jyv"); }},
      {91008, [](Game& g) { orderItem(g, Building::kTankFactory); }},
      {91504,
       [](Game& g) {
         mapMouseMove(g, 0, 800, 300);
         mapMouseMove(g, 0, 800, 300);
         clickGround(g, 800, 300);
       }},
      {92000, [](Game& g) { objectClick(g, 1); }},
      {92496, [](Game& g) { orderItem(g, Building::kTank); }},
      {100000, [](Game& g) { objectClick(g, 2); }},
      {100112, [](Game& g) { clickGround(g, 1500, 1200); }},
      {130000, pauseWithMenu},
      {140000, [](Game& g) { menuKeyDown(g, kKeyEscape); }},
  };
}

constexpr Millis kPlayedFor = 200000;

// What the player sees: the windows, the briefing, and the battlefield while it shows.
std::string shows(Game& g) {
  std::ostringstream out;
  out << windowsSeen(g) << "\n";
  if (g.loaded<Briefing>() && g.briefing().window.visible) {
    const Briefing& w = g.briefing();
    out << w.briefLabel.caption << " " << w.loadingBar.width << " " << w.loadingPercent.caption
        << " " << w.startButton.visible << "\n";
  }
  if (g.loaded<Battlefield>() && g.battlefield().window.visible) {
    const Battlefield& f = g.battlefield();
    out << f.energyStock.caption << " " << f.metalStock.caption << " " << f.woodStock.caption << " "
        << f.energyIncome.caption << " " << f.constructionBar.width << " " << f.healthBar.width
        << " view " << f.viewX << "," << f.viewY << "\n";
    for (int i = 0; i < kSlots; ++i) {
      const MapObject& o = f.objects[static_cast<std::size_t>(i)];
      if (o.shown)
        out << i << " " << tagOf(o.kind) << " " << o.left << "," << o.top << " " << o.picture
            << "\n";
    }
  }
  return out.str();
}

// Every change to a slot's object or marker since the last look carries a newer stamp:
// otherwise a wake-up would leave it off the screen.
class StampCheck {
 public:
  void look(Game& g) {
    if (!g.loaded<Battlefield>()) return;
    const Battlefield& f = g.battlefield();
    for (int i = 0; i < kSlots; ++i) {
      const auto s = static_cast<std::size_t>(i);
      const MapObject& o = f.objects[s];
      const MapObject& was = objects_[s];
      const bool same =
          o.kind == was.kind && o.left == was.left && o.top == was.top && o.width == was.width &&
          o.height == was.height && o.picture == was.picture && o.shown == was.shown &&
          o.border == was.border && f.markers[s].left == markers_[s].left &&
          f.markers[s].top == markers_[s].top && f.markers[s].shown == markers_[s].shown;
      if (!same) {
        EXPECT_GT(f.slotStamps[s], seen_) << "slot " << i << " at " << g.clock.now();
      }
    }
    objects_ = f.objects;
    markers_ = f.markers;
    seen_ = f.newestStamp;
  }

 private:
  std::array<MapObject, kSlots> objects_{};
  std::array<Marker, kSlots> markers_{};
  std::uint64_t seen_ = 0;
};

// Both programs run side by side, frame by frame: on every frame the sleeping one shows what
// the one that wakes on every frame shows, and it makes the same sounds.
TEST(Wakes, ASleepingProgramShowsWhatOneWakingEveryFrameShows) {
  FakePlatform everyFramePlatform;
  Game everyFrame(everyFramePlatform);
  FakePlatform sleepingPlatform;
  Game sleeping(sleepingPlatform);
  StampCheck stamps;
  long wakeUps = 0;
  long framesDiffering = 0;

  const auto wakeAt = [&](Millis wall) {
    sleeping.clock.skipIdleTime(wall);
    sleeping.clock.followWallClock(wall);
    stamps.look(sleeping);
  };
  const std::vector<Input> script = inputs();
  auto input = script.begin();
  for (Millis wall = 0; wall <= kPlayedFor; wall += Clock::kMinPeriod) {
    everyFrame.clock.followWallClock(wall);
    if (sleeping.clock.nextWake() == wall) {
      wakeAt(wall);
      ++wakeUps;
    }
    for (; input != script.end() && input->at == wall; ++input) {
      input->act(everyFrame);
      wakeAt(wall);  // the program catches up before it hands on input
      input->act(sleeping);
      sleeping.clock.noteInput();
      stamps.look(sleeping);
    }
    if (shows(sleeping) != shows(everyFrame) && framesDiffering++ == 0) {
      ADD_FAILURE() << "first seen at " << wall << "\n"
                    << shows(sleeping) << "\nagainst\n"
                    << shows(everyFrame);
    }
  }
  EXPECT_EQ(framesDiffering, 0);
  EXPECT_EQ(sleepingPlatform.soundNames(), everyFramePlatform.soundNames());
  EXPECT_LT(wakeUps, kPlayedFor / Clock::kMinPeriod / 2);
}

}  // namespace
}  // namespace kr::test
