// The counters of working buildings, by kind tag.
#include "model/core/counters.h"

#include "model/core/world.h"

namespace kr {

void countBuilding(Form1& f, const std::string& tag, int delta) {
  if (tag == "elek") f.AccumulatorCount += delta;
  else if (tag == "meta") f.MetalWorksCount += delta;
  else if (tag == "dere") f.WoodWorksCount += delta;
  else if (tag == "taza") f.TankFactoryCount += delta;
  else if (tag == "konv") f.ConverterCount = static_cast<std::int16_t>(f.ConverterCount + delta);
}

}  // namespace kr
