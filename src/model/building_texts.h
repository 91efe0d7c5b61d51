// The buildings' texts, which the table of building kinds names (core/building_kinds.h): the
// files that read the table need these texts and not the others. Defined in texts.cpp.
#pragma once

#include "model/translation.h"

namespace kr::text {

// The buildings: palette captions (a label, and the price's amounts beside the picture),
// tooltips on the map, and the inspection panel's name and effect lines.
extern const Text kEnergyPrice;   // {1} the amount of energy
extern const Text kMetalPrice;    // {1} the amount of metal
extern const Text kWoodPrice;     // {1} the amount of wood
extern const Text kEffectEnergy;  // {1} the effect: "+20", "-50" or kNoEffect
extern const Text kEffectMetal;
extern const Text kEffectWood;
extern const Text kNoEffect;
extern const Text kAccumulatorLabel;
extern const Text kAccumulatorTooltip;
extern const Text kAccumulatorName;
extern const Text kMetalWorksLabel;
extern const Text kMetalWorksTooltip;
extern const Text kMetalWorksName;
extern const Text kWoodWorksLabel;
extern const Text kWoodWorksTooltip;
extern const Text kWoodWorksName;
extern const Text kLocatorLabel;
extern const Text kLocatorTooltip;
extern const Text kLocatorName;
extern const Text kTankFactoryLabel;
extern const Text kTankFactoryTooltip;
extern const Text kTankFactoryName;
extern const Text kTankLabel;
extern const Text kConverterTooltip;
extern const Text kConverterName;
extern const Text kHeadquartersName;

}  // namespace kr::text
