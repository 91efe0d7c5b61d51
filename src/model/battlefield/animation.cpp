// Two alternating timers give factories their first and second pictures.
#include "model/battlefield/animation.h"

#include <array>
#include <string_view>

#include "model/game.h"

namespace kr {

namespace {

struct AnimatedKind {
  std::string_view tag;
  const char* phase1;
  const char* phase2;
};

constexpr std::array kAnimated{
    AnimatedKind{"meta", "metzavod", "metzavod1"},
    AnimatedKind{"dere", "derzavod", "derzavod1"},
    AnimatedKind{"taza", "tankozavod1", "tankozavod1"},
    AnimatedKind{"metVraga", "metzavodVraga", "metzavodVraga1"},
};

}  // namespace

void animationTick(Game& g, int phase) {
  Battlefield& f = g.battlefield();
  for (int i = 1; i <= f.lastObjectSlot; ++i) {
    MapObject& o = f.objects[i];
    for (const auto& kind : kAnimated)
      if (o.tag == kind.tag) o.picture = phase == 1 ? kind.phase1 : kind.phase2;
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
}

}  // namespace kr
