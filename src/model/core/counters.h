// The counters of working buildings, by kind.
#pragma once

#include <string>

#include "model/core/building_kinds.h"

namespace kr {

struct Battlefield;

// Adds delta to the battlefield's counter; kNone counts nowhere.
void countBuilding(Battlefield& f, Counter counter, int delta);
// Adds delta to the counter of the kind the tag names; a tag of no counted kind counts
// nowhere.
void countBuilding(Battlefield& f, const std::string& tag, int delta);

}  // namespace kr
