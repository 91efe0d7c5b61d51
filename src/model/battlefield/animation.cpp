// Two alternating timers give factories their first and second pictures.
#include "model/battlefield/animation.h"

#include "model/core/building_kinds.h"
#include "model/game.h"

namespace kr {

void animationTick(Game& g, int phase) {
  Battlefield& f = g.battlefield();
  for (int i = 1; i <= f.lastObjectSlot; ++i) {
    MapObject& o = f.objects[i];
    for (const BuildingKind& kind : kBuildingKinds)
      if (kind.frames.phase1 && o.tag == kind.tag)
        o.picture = phase == 1 ? kind.frames.phase1 : kind.frames.phase2;
  }
  const TimerId self = phase == 1 ? f.timers.animationPhase1 : f.timers.animationPhase2;
  const TimerId other = phase == 1 ? f.timers.animationPhase2 : f.timers.animationPhase1;
  g.clock.setEnabled(self, false);
  g.clock.setEnabled(other, true);
}

}  // namespace kr
