// The game clock: ordering, restart on enable and re-time, the one-frame smallest period.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "model/clock/clock.h"

namespace kr {
namespace {

using namespace std::chrono_literals;

struct ClockTest : ::testing::Test {
  Clock clock;
  std::vector<std::string> fired;
  TimerId add(const std::string& name, Millis interval, bool enabled = true) {
    return clock.add(name, std::chrono::milliseconds(interval), enabled,
                     [this, name] { fired.push_back(name + "@" + std::to_string(clock.now())); });
  }
};

TEST_F(ClockTest, FiresInOrderOfDueTimeThenRegistration) {
  add("a", 300);
  add("b", 200);
  add("c", 200);
  clock.advanceTo(600);
  EXPECT_EQ(fired, (std::vector<std::string>{"b@200", "c@200", "a@300", "b@400", "c@400", "a@600",
                                             "b@600", "c@600"}));
  EXPECT_EQ(clock.now(), 600);
}

TEST_F(ClockTest, ShortIntervalsRunOncePerFrame) {
  for (int interval : {1, 10, 15, 16}) {
    Clock c;
    int n = 0;
    c.add("t", std::chrono::milliseconds(interval), true, [&n] { ++n; });
    c.advanceTo(160);
    EXPECT_EQ(n, 10) << "interval " << interval;
  }
}

TEST_F(ClockTest, EnableStartsAFullIntervalButEnablingARunningTimerChangesNothing) {
  TimerId t = add("t", 500, false);
  clock.advanceTo(300);
  clock.setEnabled(t, true);  // due at 800
  clock.advanceTo(700);
  clock.setEnabled(t, true);  // already running: still due at 800
  clock.advanceTo(800);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@800"}));
}

TEST_F(ClockTest, DisableDropsWhatWasPendingAndReTimeRestarts) {
  TimerId t = add("t", 500);
  clock.advanceTo(400);
  clock.setEnabled(t, false);
  clock.advanceTo(900);
  EXPECT_TRUE(fired.empty());
  clock.setEnabled(t, true);  // due 1400
  clock.advanceTo(1200);
  clock.setInterval(t, 500ms);  // re-timed at 1200: due 1700
  clock.advanceTo(1699);
  EXPECT_TRUE(fired.empty());
  clock.advanceTo(1700);
  EXPECT_EQ(fired, (std::vector<std::string>{"t@1700"}));
  EXPECT_EQ(clock.dueAt(t), 2200);
}

TEST_F(ClockTest, HandlersMayStopOthersAndRemoveTimers) {
  TimerId b = 0;
  clock.add("a", 100ms, true, [&] {
    fired.push_back("a");
    clock.setEnabled(b, false);
  });
  b = add("b", 100);
  clock.advanceTo(100);
  EXPECT_EQ(fired, (std::vector<std::string>{"a"}));
  clock.remove(b);
  clock.setEnabled(b, true);  // it is gone
  EXPECT_FALSE(clock.enabled(b));
}

// Timers added while an owner's scope lives are its own, however the scopes nest; dropping
// the owner's timers leaves the others.
TEST_F(ClockTest, AnOwnersTimersAreDroppedTogether) {
  const int window = 0, inner = 0;
  const TimerId before = add("before", 100);
  TimerId a = 0, b = 0, c = 0;
  {
    const Clock::OwnedBy owned(clock, &window);
    a = add("a", 100);
    {
      const Clock::OwnedBy nested(clock, &inner);
      b = add("b", 100);
    }
    c = add("c", 100);
  }
  const TimerId after = add("after", 100);
  clock.removeOwnedBy(&window);
  for (TimerId id : {a, c}) EXPECT_FALSE(clock.enabled(id));
  for (TimerId id : {before, b, after}) EXPECT_TRUE(clock.enabled(id));
  clock.advanceTo(100);
  EXPECT_EQ(fired, (std::vector<std::string>{"before@100", "b@100", "after@100"}));
}

// The menu stops what it pauses, running or not, and starts it again on a full interval
// where its condition holds; the other timers go on as they were.
TEST_F(ClockTest, TheMenuPausesWhatWasDeclaredAndResumesItOnAFullInterval) {
  bool resumes = false;
  const TimerId paused = add("paused", 300);
  const TimerId stopped = add("stopped", 300, false);
  const TimerId conditional = add("conditional", 300);
  const TimerId runsOn = add("runs on", 300);
  clock.setPausedByMenu(paused);
  clock.setPausedByMenu(stopped);
  clock.setPausedByMenu(conditional, [&resumes] { return resumes; });
  clock.advanceTo(100);
  clock.pauseForMenu();
  for (TimerId id : {paused, stopped, conditional}) EXPECT_FALSE(clock.enabled(id));
  EXPECT_EQ(clock.dueAt(runsOn), 300);
  clock.advanceTo(1000);
  clock.resumeAfterMenu();
  EXPECT_EQ(clock.dueAt(paused), 1300);
  EXPECT_EQ(clock.dueAt(stopped), 1300);  // leaving the menu starts it as well
  EXPECT_FALSE(clock.enabled(conditional));
  clock.pauseForMenu();
  resumes = true;
  clock.resumeAfterMenu();
  EXPECT_EQ(clock.dueAt(conditional), 1300);
}

TEST_F(ClockTest, AHandlerMayRemoveItsOwnTimerAndAddOthers) {
  // As a window that unloads itself from its own timer and loads another.
  TimerId self = 0;
  std::string name = "self";
  self = clock.add("self", 100ms, true, [&, name] {
    clock.remove(self);
    for (int i = 0; i < 20; ++i) add("new" + std::to_string(i), 100 + i);
    fired.push_back(name);  // the handler's own state outlives its removal
  });
  clock.advanceTo(100);
  EXPECT_FALSE(clock.enabled(self));
  clock.advanceTo(200);
  ASSERT_EQ(fired.size(), 2u);
  EXPECT_EQ(fired[0], "self");
  EXPECT_EQ(fired[1], "new0@200");
}

TEST_F(ClockTest, HaltStopsEverything) {
  clock.add("a", 100ms, true, [&] {
    fired.push_back("a");
    clock.halt();
  });
  add("b", 100);
  clock.advanceTo(1000);
  EXPECT_EQ(fired, (std::vector<std::string>{"a"}));
}

TEST_F(ClockTest, AFrameMovesTheGameOnByAQuarterSecondAtMost) {
  // The wall clock as the window's frames read it: steady frames, an eight-hour suspend,
  // a run of slow frames.
  struct Frame {
    Millis wallStep;
    Millis gameStep;
  };
  const Millis eightHours = 8 * 3600 * 1000;
  const std::vector<Frame> frames = {
      {16, 16}, {96, 96},   {eightHours, 250},  // the rest of the suspend is dropped
      {16, 16}, {250, 250}, {300, 250},         // and the game goes on from there
      {0, 0},   {17, 17},
  };
  int ticks = 0;
  clock.add("tick", 100ms, true, [&ticks] { ++ticks; });
  Millis wall = 0;
  Millis game = 0;
  for (const Frame& f : frames) {
    wall += f.wallStep;
    clock.followWallClock(wall);
    game += f.gameStep;
    EXPECT_EQ(clock.now(), game) << "after a wall step of " << f.wallStep;
  }
  EXPECT_EQ(ticks, game / 100);  // every tick of the game's own time, and no more
}

TEST_F(ClockTest, TheNextWakeUpIsTheFrameOfTheEarliestTickThatCouldShow) {
  // A 500 ms timer that always shows, a display timer of every frame, and a 200 ms timer
  // that may wait while `hidden` holds.
  struct Case {
    const char* name;
    bool withDisplay;
    bool hidden;
    bool inputAt100;
    Millis wake;  // the next wake-up once the clock stands at 100
  };
  const std::vector<Case> cases = {
      {"the frame of the earliest running timer", false, false, false, 208},
      {"a timer that may wait is left out", false, true, false, 512},
      {"a display timer with nothing new is left out", true, false, false, 208},
      {"after input the display timer wakes on its next frame", true, true, true, 112},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clock clk;
    clk.add("always", 500ms, true, [] {});
    if (c.withDisplay) clk.setDisplay(clk.add("display", 1ms, true, [] {}));
    const TimerId hideable = clk.add("hideable", 200ms, true, [] {});
    const bool hidden = c.hidden;
    clk.setCanWait(hideable, [hidden] { return hidden; });
    clk.advanceTo(100);
    if (c.inputAt100) clk.noteInput();
    EXPECT_EQ(clk.nextWake(), c.wake);
  }
  Clock none;
  none.add("stopped", 100ms, false, [] {});
  EXPECT_EQ(none.nextWake(), -1);
}

TEST_F(ClockTest, SkippedIdleTimeFiresTheTicksThatWaitedAndStopsShortOfTheNextWakeUp) {
  int waited = 0;
  const TimerId hidden = clock.add("hidden", 100ms, true, [&waited] { ++waited; });
  clock.setCanWait(hidden, [] { return true; });
  add("shows", 1000);
  // Asleep from 0 to a wake-up at 1000: the hidden timer's nine ticks fire on the way, at
  // their own times, and the clock stands a moment short of the tick that woke it.
  clock.skipIdleTime(1000);
  EXPECT_EQ(waited, 9);
  EXPECT_EQ(clock.now(), 999);
  EXPECT_TRUE(fired.empty());
  clock.followWallClock(1000);
  EXPECT_EQ(fired, (std::vector<std::string>{"shows@1000"}));
  EXPECT_EQ(waited, 10);
  // Nothing runs that could show: the whole stretch is skipped, not a quarter second of it.
  Clock quiet;
  quiet.skipIdleTime(60000);
  quiet.followWallClock(60000);
  EXPECT_EQ(quiet.now(), 60000);
}

}  // namespace
}  // namespace kr
