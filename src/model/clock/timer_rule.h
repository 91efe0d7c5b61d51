// A window's timer declared beside the rule it drives; the clock registers what is declared.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace kr {

class Clock;
class Game;

using namespace std::chrono_literals;

// State that the ticks of one window's timers keep between ticks, made afresh each time the
// window loads. Timers whose ticks ask for the same type share one.
class TickState {
 public:
  template <class T>
  std::shared_ptr<T> get() {
    static const char tag = 0;
    for (const Entry& e : entries_)
      if (e.tag == &tag) return std::static_pointer_cast<T>(e.state);
    auto made = std::make_shared<T>();
    entries_.push_back({&tag, made});
    return made;
  }

 private:
  struct Entry {
    const char* tag;
    std::shared_ptr<void> state;
  };
  std::vector<Entry> entries_;
};

// What a timer is. The rules refer to their timer by its declaration
// (g.clock.setEnabled(kEconomyTimer, true)).
struct TimerRule {
  const char* name = "";
  std::chrono::milliseconds interval{};
  // Its place among the window's timers that fall due at the same moment: the lower place
  // fires first. No two timers of a window share a place.
  int place = 0;
  // Running as the window loads.
  bool startsRunning = false;
  // Opening the in-game menu stops it; leaving the menu starts it again, with a full
  // interval, when resumesAfterMenu (if given) says so then.
  bool pausedByMenu = false;
  bool (*resumesAfterMenu)(const Game&) = nullptr;
  // A display timer only shows what other handlers and input have changed (Clock).
  bool display = false;
  // While it holds, nothing the tick would do can show before the next wake-up (Clock).
  bool (*canWait)(const Game&) = nullptr;
  // The tick: a plain function, or one made as the window loads, with state of its own.
  void (*tick)(Game&) = nullptr;
  std::function<void()> (*makeTick)(Game&, TickState&) = nullptr;
};

// The declared timers of windows of any type, each list in the order of its declarations'
// definitions (which is no order at all across files).
template <class W>
std::vector<const TimerRule*>& declaredTimersOf() {
  static std::vector<const TimerRule*> timers;
  return timers;
}

// A timer of window W: defining one adds it to W's timers, which the clock registers, in the
// order of their places, each time W loads and ends as W unloads.
template <class W>
struct WindowTimer : TimerRule {
  explicit WindowTimer(const TimerRule& rule) : TimerRule(rule) {
    declaredTimersOf<W>().push_back(this);
  }
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
};

// A window's declared timers in the order of their places. Stops the program when two share
// a place: which of them fired first would be left to chance.
std::vector<const TimerRule*> inPlaceOrder(std::vector<const TimerRule*> rules);
template <class W>
const std::vector<const TimerRule*>& declaredTimers() {
  static const std::vector<const TimerRule*> ordered = inPlaceOrder(declaredTimersOf<W>());
  return ordered;
}

// Registers the timers with the clock, in the given order, each with its tick bound to g.
void registerTimers(Clock& clock, Game& g, const std::vector<const TimerRule*>& rules);

}  // namespace kr
