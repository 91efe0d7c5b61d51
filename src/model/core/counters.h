// The counters of working buildings, by kind.
#pragma once

namespace kr {

struct Battlefield;
struct BuildingKind;

// Adds delta to the working count of the kind, when its kind is counted.
void countBuilding(Battlefield& f, const BuildingKind& kind, int delta);

}  // namespace kr
