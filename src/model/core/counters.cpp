// The counters of working buildings, by kind.
#include "model/core/counters.h"

#include "model/core/world.h"

namespace kr {

void countBuilding(Battlefield& f, Counter counter, int delta) {
  switch (counter) {
    case Counter::kAccumulators: f.accumulatorCount += delta; break;
    case Counter::kMetalWorks: f.metalWorksCount += delta; break;
    case Counter::kWoodWorks: f.woodWorksCount += delta; break;
    case Counter::kTankFactories: f.tankFactoryCount += delta; break;
    // The converters' counter is 16 bits wide.
    case Counter::kConverters:
      f.converterCount = static_cast<std::int16_t>(f.converterCount + delta);
      break;
    case Counter::kNone: break;
  }
}

}  // namespace kr
