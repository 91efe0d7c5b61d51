// The counters of working buildings, by kind tag.
#include "model/core/counters.h"

#include "model/core/world.h"

namespace kr {

void countBuilding(Battlefield& f, const std::string& tag, int delta) {
  if (tag == "elek") f.accumulatorCount += delta;
  else if (tag == "meta") f.metalWorksCount += delta;
  else if (tag == "dere") f.woodWorksCount += delta;
  else if (tag == "taza") f.tankFactoryCount += delta;
  else if (tag == "konv") f.converterCount = static_cast<std::int16_t>(f.converterCount + delta);
}

}  // namespace kr
