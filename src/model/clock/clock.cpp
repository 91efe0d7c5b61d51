// The game clock: registration, enable/re-time semantics and ordered firing.
#include "model/clock/clock.h"

#include <algorithm>

namespace kr {

Millis Clock::period(int intervalMs) { return std::max<Millis>(intervalMs, kMinPeriod); }

TimerId Clock::add(std::string name, int intervalMs, bool enabled, std::function<void()> handler) {
  Timer t;
  t.id = nextId_++;
  t.name = std::move(name);
  t.interval = intervalMs;
  t.enabled = enabled;
  t.due = now_ + period(intervalMs);
  t.handler = std::move(handler);
  t.owner = owner_;
  timers_.push_back(std::move(t));
  return timers_.back().id;
}

std::vector<TimerId> Clock::ownedBy(const void* owner) const {
  std::vector<TimerId> ids;
  for (const auto& t : timers_)
    if (t.owner == owner) ids.push_back(t.id);
  return ids;
}

void Clock::removeOwnedBy(const void* owner) {
  std::erase_if(timers_, [owner](const Timer& t) { return t.owner == owner; });
}

void Clock::setPausedByMenu(TimerId id, std::function<bool()> resumeIf) {
  if (Timer* t = find(id)) {
    t->pausedByMenu = true;
    t->resumeIf = std::move(resumeIf);
  }
}

bool Clock::pausedByMenu(TimerId id) const {
  const Timer* t = find(id);
  return t && t->pausedByMenu;
}

void Clock::pauseForMenu() {
  for (const Timer& t : timers_)
    if (t.pausedByMenu) setEnabled(t.id, false);
}

void Clock::resumeAfterMenu() {
  for (const Timer& t : timers_)
    if (t.pausedByMenu && (!t.resumeIf || t.resumeIf())) setEnabled(t.id, true);
}

void Clock::setDisplay(TimerId id) {
  if (Timer* t = find(id)) t->display = true;
}

void Clock::setCanWait(TimerId id, std::function<bool()> canWait) {
  if (Timer* t = find(id)) t->canWait = std::move(canWait);
}

bool Clock::needsWake(const Timer& t) const {
  if (!t.enabled) return false;
  if (t.display && t.changesShown == changes_) return false;
  return !(t.canWait && t.canWait());
}

Millis Clock::nextWakeDue() const {
  Millis best = -1;
  for (const auto& t : timers_)
    if ((best < 0 || t.due < best) && needsWake(t)) best = t.due;
  return best;
}

void Clock::remove(TimerId id) {
  std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

bool Clock::exists(TimerId id) const { return find(id) != nullptr; }

Clock::Timer* Clock::find(TimerId id) {
  for (auto& t : timers_)
    if (t.id == id) return &t;
  return nullptr;
}

const Clock::Timer* Clock::find(TimerId id) const {
  for (const auto& t : timers_)
    if (t.id == id) return &t;
  return nullptr;
}

void Clock::setEnabled(TimerId id, bool enabled) {
  Timer* t = find(id);
  if (!t || t->enabled == enabled) return;
  t->enabled = enabled;
  if (enabled) t->due = now_ + period(t->interval);
}

bool Clock::enabled(TimerId id) const {
  const Timer* t = find(id);
  return t && t->enabled;
}

void Clock::setInterval(TimerId id, int intervalMs) {
  Timer* t = find(id);
  if (!t) return;
  t->interval = intervalMs;
  t->due = now_ + period(intervalMs);
}

int Clock::interval(TimerId id) const {
  const Timer* t = find(id);
  return t ? t->interval : 0;
}

Millis Clock::dueAt(TimerId id) const {
  const Timer* t = find(id);
  return t && t->enabled ? t->due : -1;
}

const std::string& Clock::name(TimerId id) const {
  static const std::string none;
  const Timer* t = find(id);
  return t ? t->name : none;
}

Millis Clock::nextDue() const {
  Millis best = -1;
  for (const auto& t : timers_)
    if (t.enabled && (best < 0 || t.due < best)) best = t.due;
  return best;
}

void Clock::advanceTo(Millis target) {
  while (!halted_) {
    // The earliest due timer; ties go to the one registered first.
    const Timer* next = nullptr;
    for (const auto& t : timers_)
      if (t.enabled && t.due <= target && (!next || t.due < next->due)) next = &t;
    if (!next) break;
    const TimerId id = next->id;
    now_ = std::max(now_, next->due);
    Timer* t = find(id);
    t->due = now_ + period(t->interval);
    // The handler may add or remove timers: call a copy.
    auto handler = t->handler;
    const bool display = t->display;
    ++fired_;
    // A tick that could wait changes nothing that shows, on a display either.
    if (!display && !(t->canWait && t->canWait())) ++changes_;
    handler();
    // The handler may have removed its own timer.
    if (Timer* shown = display ? find(id) : nullptr) shown->changesShown = changes_;
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
  timers_.clear();
}

}  // namespace kr
