// Two alternating timers give factories their first and second pictures.
#include "model/battlefield/animation.h"

#include <algorithm>
#include <memory>

#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

namespace {

constexpr bool animated(const BuildingKind& kind) { return kind.frames.phase1 != nullptr; }

// The kinds that have frames, picked out of the table once.
constexpr auto kAnimated = [] {
  std::array<const BuildingKind*, std::ranges::count_if(kBuildingKinds, animated)> rows{};
  std::size_t n = 0;
  for (const BuildingKind& kind : kBuildingKinds)
    if (animated(kind)) rows[n++] = &kind;
  return rows;
}();

// The animated kind of that building, or nullptr.
const BuildingKind* animatedKind(Building building) {
  for (const BuildingKind* kind : kAnimated)
    if (building == kind->kind) return kind;
  return nullptr;
}

}  // namespace

void AnimatedSlots::update(const Battlefield& f) {
  if (f.newestStamp == seen_) return;
  // Most looks find one or two slots changed (a tank's step): whole blocks of slots are
  // passed over by their newest stamp.
  constexpr std::size_t kBlock = 8;
  bool moved = false;
  constexpr auto kAll = static_cast<std::size_t>(kSlots);
  for (std::size_t b = 0; b < kAll; b += kBlock) {
    const std::size_t end = std::min(b + kBlock, kAll);
    std::uint64_t newest = 0;
    for (std::size_t i = b; i < end; ++i) newest = std::max(newest, f.slotStamps[i]);
    if (newest <= seen_) continue;
    // Slot 0, the headquarters, is never animated.
    for (std::size_t i = std::max<std::size_t>(b, 1); i < end; ++i) {
      if (f.slotStamps[i] <= seen_) continue;
      const BuildingKind* kind = animatedKind(f.objects[i].kind);
      moved = moved || kind != kinds_[i];
      kinds_[i] = kind;
    }
  }
  seen_ = f.newestStamp;
  if (moved) list();
}

void AnimatedSlots::list() {
  entries_.clear();
  for (std::size_t i = 1; i < kSlots; ++i)
    if (const BuildingKind* kind = kinds_[i])
      entries_.push_back({static_cast<int>(i), {kind->frames.phase1, kind->frames.phase2}});
}

void animationTick(Game& g, int phase) {
  AnimatedSlots fresh;
  animationTick(g, phase, fresh);
}

void animationTick(Game& g, int phase, AnimatedSlots& animated) {
  Battlefield& f = g.battlefield();
  animated.update(f);
  for (AnimatedSlots::Entry& e : animated.entries()) {
    const auto i = static_cast<std::size_t>(e.slot);
    const std::string_view picture = e.frames[phase == 1 ? 0 : 1];
    const bool known = f.slotStamps[i] == e.stamp;
    if (known ? e.picture != picture.data() : f.objects[i].picture != picture) {
      f.objects[i].picture = picture;
      f.objectChanged(e.slot);
    }
    e.picture = picture.data();
    e.stamp = f.slotStamps[i];
  }
  animated.noteOwnChanges(f);
  g.clock.setEnabled(phase == 1 ? kAnimationPhase1Timer : kAnimationPhase2Timer, false);
  g.clock.setEnabled(phase == 1 ? kAnimationPhase2Timer : kAnimationPhase1Timer, true);
}

namespace {

// The phase's tick. Both phases share one list of the battlefield's factories.
template <int phase>
std::function<void()> phaseTick(Game& g, TickState& state) {
  return [&g, animated = state.get<AnimatedSlots>()] { animationTick(g, phase, *animated); };
}

// The pictures change unseen while the battlefield is hidden (behind the briefing).
bool hidden(const Game& g) { return !g.battlefield().window.visible; }

}  // namespace

const WindowTimer<Battlefield> kAnimationPhase1Timer({
    .name = "animation1",
    .interval = 200ms,
    .place = 1,
    .startsRunning = true,
    .pausedByMenu = true,
    .canWait = hidden,
    .makeTick = phaseTick<1>,
});

const WindowTimer<Battlefield> kAnimationPhase2Timer({
    .name = "animation2",
    .interval = 200ms,
    .place = 2,
    .startsRunning = true,
    .pausedByMenu = true,
    .canWait = hidden,
    .makeTick = phaseTick<2>,
});

}  // namespace kr
