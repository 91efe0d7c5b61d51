// The game clock: registration, enable/re-time semantics and ordered firing.
#include "model/clock/clock.h"

#include <algorithm>

namespace kr {

Millis Clock::period(Millis interval) { return std::max(interval, kMinPeriod); }

Millis Clock::followingDue(const Timer& t) const {
  const Millis full = now_ + period(t.interval);
  if (!t.display || period(t.interval) != kMinPeriod) return full;
  // A display timer of every frame ticks on the display frames, from the first one a full
  // interval on: the wake-up that fires the ticks that change something also shows what
  // they changed, without a wake-up of its own a frame later.
  const Millis wall = full + wallAhead_;
  return (wall + kMinPeriod - 1) / kMinPeriod * kMinPeriod - wallAhead_;
}

TimerId Clock::add(std::string name, std::chrono::milliseconds interval, bool enabled,
                   std::function<void()> handler, const TimerRule* rule) {
  auto t = std::make_unique<Timer>();
  t->id = nextId_++;
  t->name = std::move(name);
  t->rule = rule;
  t->interval = interval.count();
  t->enabled = enabled;
  t->due = now_ + period(t->interval);
  t->handler = std::move(handler);
  t->owner = owner_;
  timers_.push_back(std::move(t));
  dues_.push_back(kNever);
  noteDue(*timers_.back());
  return timers_.back()->id;
}

void Clock::noteDue(const Timer& t) {
  const std::size_t i = index(t.id);
  if (i < dues_.size()) dues_[i] = t.enabled && !t.removed ? t.due : kNever;
}

void Clock::removeOwnedBy(const void* owner) {
  std::vector<TimerId> ids;
  for (const auto& t : timers_)
    if (t->owner == owner && !t->removed) ids.push_back(t->id);
  // One by one: a timer whose handler is running goes when the handler returns.
  for (const TimerId id : ids) remove(id);
}

void Clock::setPausedByMenu(TimerRef timer, std::function<bool()> resumeIf) {
  if (Timer* t = find(timer)) {
    t->pausedByMenu = true;
    t->resumeIf = std::move(resumeIf);
  }
}

void Clock::pauseForMenu() {
  for (const auto& t : timers_)
    if (t->pausedByMenu && !t->removed) setEnabled(t->id, false);
}

void Clock::resumeAfterMenu() {
  for (const auto& t : timers_)
    if (t->pausedByMenu && !t->removed && (!t->resumeIf || t->resumeIf())) setEnabled(t->id, true);
}

void Clock::setDisplay(TimerRef timer) {
  Timer* t = find(timer);
  if (!t) return;
  t->display = true;
  if (t->enabled) {
    t->due = followingDue(*t);
    noteDue(*t);
  }
}

void Clock::setCanWait(TimerRef timer, std::function<bool()> canWait) {
  if (Timer* t = find(timer)) t->canWait = std::move(canWait);
}

bool Clock::needsWake(const Timer& t) const {
  if (!t.enabled || t.removed) return false;
  if (t.display && t.changesShown == changes_) return false;
  return !(t.canWait && t.canWait());
}

Millis Clock::nextWakeDue() const {
  Millis best = -1;
  for (const auto& t : timers_)
    if ((best < 0 || t->due < best) && needsWake(*t)) best = t->due;
  return best;
}

void Clock::erase(std::size_t i) {
  timers_.erase(timers_.begin() + static_cast<std::ptrdiff_t>(i));
  dues_.erase(dues_.begin() + static_cast<std::ptrdiff_t>(i));
}

void Clock::remove(TimerRef timer) {
  const std::size_t i = index(timer);
  if (i >= timers_.size()) return;
  Timer& t = *timers_[i];
  if (t.firing == 0) {
    erase(i);
    return;
  }
  // Its handler is still running: it goes once the handler returns.
  t.removed = true;
  t.enabled = false;
  dues_[i] = kNever;
}

std::size_t Clock::index(TimerRef timer) const {
  for (std::size_t i = 0; i < timers_.size(); ++i)
    if (timer.names(timers_[i]->id, timers_[i]->rule) && !timers_[i]->removed) return i;
  // A timer removed while its handler runs is still found by its handle, to be erased.
  for (std::size_t i = 0; i < timers_.size(); ++i)
    if (timer.names(timers_[i]->id, timers_[i]->rule)) return i;
  return timers_.size();
}

Clock::Timer* Clock::find(TimerRef timer) {
  const std::size_t i = index(timer);
  return i < timers_.size() && !timers_[i]->removed ? timers_[i].get() : nullptr;
}

const Clock::Timer* Clock::find(TimerRef timer) const {
  const std::size_t i = index(timer);
  return i < timers_.size() && !timers_[i]->removed ? timers_[i].get() : nullptr;
}

void Clock::setEnabled(TimerRef timer, bool enabled) {
  Timer* t = find(timer);
  if (!t || t->enabled == enabled) return;
  t->enabled = enabled;
  if (enabled) t->due = followingDue(*t);
  noteDue(*t);
}

bool Clock::enabled(TimerRef timer) const {
  const Timer* t = find(timer);
  return t && t->enabled;
}

void Clock::setInterval(TimerRef timer, std::chrono::milliseconds interval) {
  Timer* t = find(timer);
  if (!t) return;
  t->interval = interval.count();
  t->due = followingDue(*t);
  noteDue(*t);
}

std::chrono::milliseconds Clock::interval(TimerRef timer) const {
  const Timer* t = find(timer);
  return std::chrono::milliseconds(t ? t->interval : 0);
}

Millis Clock::dueAt(TimerRef timer) const {
  const Timer* t = find(timer);
  return t && t->enabled ? t->due : -1;
}

void Clock::advanceTo(Millis target) {
  while (!halted_) {
    // The earliest due timer; ties go to the one registered first.
    std::size_t next = dues_.size();
    Millis nextDue = target;
    for (std::size_t i = 0; i < dues_.size(); ++i)
      if (dues_[i] <= nextDue && (next == dues_.size() || dues_[i] < nextDue)) {
        next = i;
        nextDue = dues_[i];
      }
    if (next == dues_.size()) break;
    Timer& t = *timers_[next];
    now_ = std::max(now_, nextDue);
    t.due = followingDue(t);
    dues_[next] = t.due;
    ++fired_;
    // A tick that could wait changes nothing that shows, on a display either.
    if (!t.display && !(t.canWait && t.canWait())) ++changes_;
    // The timer stays put while its handler runs, even if the handler removes it.
    ++t.firing;
    t.handler();
    --t.firing;
    if (t.removed) {
      if (t.firing == 0) erase(index(t.id));
      continue;
    }
    if (t.display) t.changesShown = changes_;
  }
  if (!halted_) now_ = std::max(now_, target);
}

void Clock::followWallClock(Millis wall) {
  Millis target = wall - wallAhead_;
  if (target - now_ > kMaxFrameStep) {
    wallAhead_ += target - now_ - kMaxFrameStep;
    target = now_ + kMaxFrameStep;
  }
  advanceTo(target);
}

void Clock::skipIdleTime(Millis wall) {
  const Millis target = wall - wallAhead_;
  // A tick that waited may make another one need a wake-up (a display timer after a
  // change): step from one to the next.
  while (!halted_ && now_ < target) {
    const Millis due = nextWakeDue();
    // The last steady frame before a tick that needs one came at most a frame before it.
    const Millis until = due < 0 ? target : std::min(target, due - 1);
    if (until <= now_) break;
    advanceTo(until);
  }
}

Millis Clock::nextWake() const {
  const Millis due = nextWakeDue();
  if (due < 0) return -1;
  // On the next display frame: however many ticks fall due within one, it is one wake-up.
  const Millis wall = due + wallAhead_;
  return (wall + kMinPeriod - 1) / kMinPeriod * kMinPeriod;
}

void Clock::halt() {
  halted_ = true;
  std::vector<TimerId> ids;
  for (const auto& t : timers_) ids.push_back(t->id);
  for (const TimerId id : ids) remove(id);
}

}  // namespace kr
