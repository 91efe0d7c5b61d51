// The game clock: registration, enable/re-time semantics and ordered firing.
#include "model/clock/clock.h"

#include <algorithm>

namespace kr {

Millis Clock::period(int intervalMs) { return std::max<Millis>(intervalMs, kMinPeriod); }

Millis Clock::followingDue(const Timer& t) const {
  const Millis full = now_ + period(t.interval);
  if (!t.display || period(t.interval) != kMinPeriod) return full;
  // A display timer of every frame ticks on the display frames, from the first one a full
  // interval on: the wake-up that fires the ticks that change something also shows what
  // they changed, without a wake-up of its own a frame later.
  const Millis wall = full + wallAhead_;
  return (wall + kMinPeriod - 1) / kMinPeriod * kMinPeriod - wallAhead_;
}

TimerId Clock::add(std::string name, int intervalMs, bool enabled, std::function<void()> handler) {
  auto t = std::make_unique<Timer>();
  t->id = nextId_++;
  t->name = std::move(name);
  t->interval = intervalMs;
  t->enabled = enabled;
  t->due = now_ + period(intervalMs);
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

std::vector<TimerId> Clock::ownedBy(const void* owner) const {
  std::vector<TimerId> ids;
  for (const auto& t : timers_)
    if (t->owner == owner && !t->removed) ids.push_back(t->id);
  return ids;
}

void Clock::removeOwnedBy(const void* owner) {
  // One by one: a timer whose handler is running goes when the handler returns.
  for (const TimerId id : ownedBy(owner)) remove(id);
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
  for (const auto& t : timers_)
    if (t->pausedByMenu && !t->removed) setEnabled(t->id, false);
}

void Clock::resumeAfterMenu() {
  for (const auto& t : timers_)
    if (t->pausedByMenu && !t->removed && (!t->resumeIf || t->resumeIf())) setEnabled(t->id, true);
}

void Clock::setDisplay(TimerId id) {
  Timer* t = find(id);
  if (!t) return;
  t->display = true;
  if (t->enabled) {
    t->due = followingDue(*t);
    noteDue(*t);
  }
}

void Clock::setCanWait(TimerId id, std::function<bool()> canWait) {
  if (Timer* t = find(id)) t->canWait = std::move(canWait);
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

void Clock::remove(TimerId id) {
  const std::size_t i = index(id);
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

bool Clock::exists(TimerId id) const { return find(id) != nullptr; }

std::size_t Clock::index(TimerId id) const {
  for (std::size_t i = 0; i < timers_.size(); ++i)
    if (timers_[i]->id == id) return i;
  return timers_.size();
}

Clock::Timer* Clock::find(TimerId id) {
  const std::size_t i = index(id);
  return i < timers_.size() && !timers_[i]->removed ? timers_[i].get() : nullptr;
}

const Clock::Timer* Clock::find(TimerId id) const {
  const std::size_t i = index(id);
  return i < timers_.size() && !timers_[i]->removed ? timers_[i].get() : nullptr;
}

void Clock::setEnabled(TimerId id, bool enabled) {
  Timer* t = find(id);
  if (!t || t->enabled == enabled) return;
  t->enabled = enabled;
  if (enabled) t->due = followingDue(*t);
  noteDue(*t);
}

bool Clock::enabled(TimerId id) const {
  const Timer* t = find(id);
  return t && t->enabled;
}

void Clock::setInterval(TimerId id, int intervalMs) {
  Timer* t = find(id);
  if (!t) return;
  t->interval = intervalMs;
  t->due = followingDue(*t);
  noteDue(*t);
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
  const auto best = std::min_element(dues_.begin(), dues_.end());
  return best == dues_.end() || *best == kNever ? -1 : *best;
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
