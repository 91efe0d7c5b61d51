// The counters of working buildings, by kind.
#pragma once

#include "model/core/building_kinds.h"

namespace kr {

struct Battlefield;

// Adds delta to the battlefield's counter; kNone counts nowhere.
void countBuilding(Battlefield& f, Counter counter, int delta);

}  // namespace kr
