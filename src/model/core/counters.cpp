// The counters of working buildings, by kind.
#include "model/core/counters.h"

#include "model/core/building_kinds.h"
#include "model/core/world.h"

namespace kr {

void countBuilding(Battlefield& f, const BuildingKind& kind, int delta) {
  if (kind.counted) f.working(kind.kind) += delta;
}

}  // namespace kr
