// The counters of working buildings, by kind tag.
#pragma once

#include <string>

namespace kr {

struct Battlefield;

// Adds delta to the counter of the kind (elek, meta, dere, taza, konv); other tags count
// nowhere.
void countBuilding(Battlefield& f, const std::string& tag, int delta);

}  // namespace kr
