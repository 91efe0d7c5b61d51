// Two alternating timers give factories their first and second pictures.
#include "model/battlefield/animation.h"

#include <algorithm>
#include <array>

#include "model/core/building_kinds.h"
#include "model/game.h"

namespace kr {

namespace {

constexpr bool animated(const BuildingKind& kind) { return kind.frames.phase1 != nullptr; }

// The kinds that have frames, picked out of the table once: the tick looks at every slot.
constexpr auto kAnimated = [] {
  std::array<const BuildingKind*, std::ranges::count_if(kBuildingKinds, animated)> rows{};
  std::size_t n = 0;
  for (const BuildingKind& kind : kBuildingKinds)
    if (animated(kind)) rows[n++] = &kind;
  return rows;
}();

}  // namespace

void animationTick(Game& g, int phase) {
  Battlefield& f = g.battlefield();
  for (int i = 1; i < kSlots; ++i) {
    MapObject& o = f.objects[i];
    for (const BuildingKind* kind : kAnimated) {
      if (o.kind != kind->kind) continue;
      const char* picture = phase == 1 ? kind->frames.phase1 : kind->frames.phase2;
      if (o.picture == picture) continue;
      o.picture = picture;
      f.objectChanged(i);
    }
  }
  const TimerId self = phase == 1 ? f.timers.animationPhase1 : f.timers.animationPhase2;
  const TimerId other = phase == 1 ? f.timers.animationPhase2 : f.timers.animationPhase1;
  g.clock.setEnabled(self, false);
  g.clock.setEnabled(other, true);
}

void registerAnimationTimers(Game& g, BattlefieldTimers& timers) {
  timers.animationPhase1 =
      g.clock.add("animation1", kAnimationInterval, true, [&g] { animationTick(g, 1); });
  timers.animationPhase2 =
      g.clock.add("animation2", kAnimationInterval, true, [&g] { animationTick(g, 2); });
  // The pictures change unseen while the battlefield is hidden (behind the briefing).
  for (const TimerId id : {timers.animationPhase1, timers.animationPhase2}) {
    g.clock.setCanWait(id, [&g] { return !g.battlefield().window.visible; });
    g.clock.setPausedByMenu(id);
  }
}

}  // namespace kr
