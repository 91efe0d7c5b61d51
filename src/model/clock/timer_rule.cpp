// Registering a window's declared timers with the clock.
#include "model/clock/timer_rule.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "model/clock/clock.h"

namespace kr {

std::vector<const TimerRule*> inPlaceOrder(std::vector<const TimerRule*> rules) {
  std::ranges::sort(rules, {}, &TimerRule::place);
  const auto same = std::ranges::adjacent_find(rules, {}, &TimerRule::place);
  if (same != rules.end()) {
    std::fprintf(stderr, "krepostan: the timers %s and %s share their place %d\n", (*same)->name,
                 (*(same + 1))->name, (*same)->place);
    std::abort();
  }
  return rules;
}

void registerTimers(Clock& clock, Game& g, const std::vector<const TimerRule*>& rules) {
  TickState state;
  for (const TimerRule* rule : rules) {
    std::function<void()> tick;
    if (rule->makeTick != nullptr) tick = rule->makeTick(g, state);
    else tick = [&g, f = rule->tick] { f(g); };
    clock.add(rule->name, rule->interval, rule->startsRunning, std::move(tick), rule);
    if (rule->display) clock.setDisplay(*rule);
    if (rule->canWait != nullptr) clock.setCanWait(*rule, [&g, f = rule->canWait] { return f(g); });
    if (rule->pausedByMenu) {
      std::function<bool()> resumes;
      if (rule->resumesAfterMenu != nullptr)
        resumes = [&g, f = rule->resumesAfterMenu] { return f(g); };
      clock.setPausedByMenu(*rule, std::move(resumes));
    }
  }
}

}  // namespace kr
