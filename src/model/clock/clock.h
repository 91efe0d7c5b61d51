// The game clock: named periodic timers on virtual time, fired one handler at a time.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace kr {

// Virtual milliseconds since the program started.
using Millis = std::int64_t;

// A handle of one registered timer; 0 is "no timer".
using TimerId = int;

struct TimerRule;

// Names a registered timer: by its handle, or by the declaration it was registered from
// (model/clock/timer_rule.h).
class TimerRef {
 public:
  TimerRef(TimerId id) : id_(id) {}
  TimerRef(const TimerRule& rule) : rule_(&rule) {}
  bool names(TimerId id, const TimerRule* rule) const { return rule_ ? rule == rule_ : id == id_; }

 private:
  TimerId id_ = 0;
  const TimerRule* rule_ = nullptr;
};

// Every window's periodic timers live here. advanceTo() fires the due timers in order of
// their due time (ties in order of registration), each handler to completion. Enabling a
// stopped timer or changing its interval starts a new full interval; enabling a running
// timer changes nothing; disabling drops what was pending. No timer fires more often than
// once a display frame (kMinPeriod), whatever its interval.
//
// The program sleeps between wake-ups and wakes when a timer falls due whose tick could
// show. A tick that could not (a display timer with nothing new to show, a timer whose
// window is out of sight) waits: it fires, at its own due time on the game clock and in
// order with the others, when the clock is next moved on for a wake-up or an input.
class Clock {
 public:
  static constexpr Millis kMinPeriod = 16;
  // The most one display frame moves the game on. A longer gap (a suspended machine, a
  // stopped process, a debugger's pause) is dropped, as the timers of a real desktop do
  // not fire the ticks they missed.
  static constexpr Millis kMaxFrameStep = 250;

  // A timer registered from a declaration can be named by it (rule; nullptr: none).
  TimerId add(std::string name, std::chrono::milliseconds interval, bool enabled,
              std::function<void()> handler, const TimerRule* rule = nullptr);

  // While an OwnedBy lives, the timers added belong to its owner: a window's load handler
  // registers the window's timers, and they end with the window (removeOwnedBy).
  class OwnedBy {
   public:
    OwnedBy(Clock& clock, const void* owner) : clock_(clock), previous_(clock.owner_) {
      clock.owner_ = owner;
    }
    ~OwnedBy() { clock_.owner_ = previous_; }
    OwnedBy(const OwnedBy&) = delete;
    OwnedBy& operator=(const OwnedBy&) = delete;

   private:
    Clock& clock_;
    const void* previous_;
  };
  void removeOwnedBy(const void* owner);

  // Declared as the timer is registered: opening the in-game menu stops it, and leaving the
  // menu starts it again, with a full interval, when resumeIf (if given) says so then.
  void setPausedByMenu(TimerRef timer, std::function<bool()> resumeIf = {});
  // Stops every timer the menu pauses; starts them again.
  void pauseForMenu();
  void resumeAfterMenu();
  // A display timer only shows what other handlers and input have changed: once it has run
  // after the last change, its ticks wait. One of every frame ticks on the display frames
  // themselves, so that the frame that fires a change also shows it.
  void setDisplay(TimerRef timer);
  // While canWait() holds, nothing the timer's tick would do can show before the next
  // wake-up: its ticks wait.
  void setCanWait(TimerRef timer, std::function<bool()> canWait);
  // Input has changed the game: display timers have something to show again.
  void noteInput() { ++changes_; }
  void remove(TimerRef timer);

  // A timer that is not registered (its window is not loaded) is stopped, and stays so.
  void setEnabled(TimerRef timer, bool enabled);
  bool enabled(TimerRef timer) const;
  void setInterval(TimerRef timer, std::chrono::milliseconds interval);
  std::chrono::milliseconds interval(TimerRef timer) const;
  // Virtual time at which the timer fires next; -1 when it is stopped.
  Millis dueAt(TimerRef timer) const;

  // Fires every timer that falls due up to and including t, then sets now() to t.
  void advanceTo(Millis t);
  void advanceBy(Millis dt) { advanceTo(now_ + dt); }
  Millis now() const { return now_; }
  // One display frame at wall time wall (milliseconds on a clock that never goes back):
  // the game moves on by the wall time since the last frame, but by kMaxFrameStep at most.
  void followWallClock(Millis wall);
  // The frames that the sleeping program did not run: the game moves on towards wall time
  // `wall` as steady frames would have moved it, firing the ticks that waited, up to just
  // short of the earliest tick that needs a wake-up. followWallClock(wall) goes on from
  // there.
  void skipIdleTime(Millis wall);
  // The wall time (on followWallClock's clock) of the display frame on which the earliest
  // tick that needs a wake-up falls due, or -1 when none does: when the program has to wake
  // up next.
  Millis nextWake() const;
  // How many timer handlers have run so far.
  std::uint64_t fired() const { return fired_; }

  // Stops the clock for good: nothing fires any more (the program is ending).
  void halt();

 private:
  struct Timer {
    TimerId id = 0;
    std::string name;  // for the debugger
    const TimerRule* rule = nullptr;
    Millis interval = 0;
    bool enabled = false;
    Millis due = 0;
    std::function<void()> handler;
    bool display = false;
    std::uint64_t changesShown = 0;  // changes_ when the display timer last ran
    std::function<bool()> canWait;
    const void* owner = nullptr;
    bool pausedByMenu = false;
    std::function<bool()> resumeIf;
    int firing = 0;        // its handler is running (in a clock moved on by a handler, twice)
    bool removed = false;  // removed while its handler ran: it goes when the handler returns
  };
  static constexpr Millis kNever = std::numeric_limits<Millis>::max();
  bool needsWake(const Timer& t) const;
  Millis nextWakeDue() const;
  std::size_t index(TimerRef timer) const;
  Timer* find(TimerRef timer);
  const Timer* find(TimerRef timer) const;
  // Keeps dues_ in step with the timer's due time and state.
  void noteDue(const Timer& t);
  void erase(std::size_t i);
  static Millis period(Millis interval);
  // When a timer that fires (or starts) now falls due next.
  Millis followingDue(const Timer& t) const;

  // The timers in order of registration; each stays where it is while its handler runs,
  // whatever the handler adds or removes.
  std::vector<std::unique_ptr<Timer>> timers_;
  // When each timer fires next, kNever while it is stopped: the firing loop reads only this.
  std::vector<Millis> dues_;
  TimerId nextId_ = 1;
  Millis now_ = 0;
  Millis wallAhead_ = 0;  // how far the wall clock is ahead of the game: the dropped gaps
  bool halted_ = false;
  std::uint64_t fired_ = 0;
  std::uint64_t changes_ = 0;    // runs of handlers that are no display timer, and inputs
  const void* owner_ = nullptr;  // of the timers added now (OwnedBy)
};

}  // namespace kr
