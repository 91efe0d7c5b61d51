// The table of building kinds: one row per kind with all the rules and windows know of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/core/world.h"
#include "model/cues.h"
#include "model/texts.h"

namespace kr {

// The kind tags written into the object table. They are compared at run time, so the
// strings stay as they are.
namespace tag {
inline constexpr const char* kAccumulator = "elek";
inline constexpr const char* kMetalWorks = "meta";
inline constexpr const char* kWoodWorks = "dere";
inline constexpr const char* kLocator = "loca";
inline constexpr const char* kTankFactory = "taza";
inline constexpr const char* kTank = "tank";
inline constexpr const char* kConverter = "konv";
inline constexpr const char* kHeadquarters = "baza";
inline constexpr const char* kEnemyAccumulator = "";  // the enemy's accumulators go untagged
inline constexpr const char* kEnemyMetalWorks = "metVraga";
inline constexpr const char* kEnemyHeadquarters = "vrag";
}  // namespace tag

// An amount of each resource: a price, or what one working building makes or uses up in
// one economy tick.
struct Resources {
  std::int32_t energy = 0;
  std::int32_t metal = 0;
  std::int32_t wood = 0;
};

// The size a building takes on the map: the fresh slot's width and height times the
// scales, or, where width is not 0, this fixed size.
struct Footprint {
  float widthScale = 1;
  float heightScale = 1;
  float width = 0;
  float height = 0;
};

// The battlefield's counter of working buildings a kind adds to.
enum class Counter { kNone, kAccumulators, kMetalWorks, kWoodWorks, kTankFactories, kConverters };

// The two pictures the animation timers alternate; none for a still building.
struct Frames {
  const char* phase1 = nullptr;
  const char* phase2 = nullptr;
};

// What putting a building down opens up.
struct Unlocks {
  int paletteButton = -1;        // the palette button it shows (BuildItem); -1: none
  bool fromMissionTwo = false;   // the button shows only from mission 2 on
  bool pageArrows = false;       // the page arrows show along with the button
  bool whileSwitchedOn = false;  // its power switch hides the button and shows it again
  bool startsLocator = false;    // the locator works, and counts as built; the switch stops it
};

// One kind of building (or the tank) with everything the game knows of it.
struct BuildingKind {
  const char* name;  // what listings and test names call it
  std::string_view tag;
  int paletteIndex = -1;  // its palette button (BuildItem); -1: not built from the palette
  Resources price{};
  int buildTicks = 0;  // construction ticks of 100 ms
  Footprint footprint{};
  const char* palettePicture = "";
  const char* paletteLabel = "";    // the palette button's caption, before the price
  bool captionShowsPrice = false;   // the caption goes on with " Э-… М-… Д-…"
  const char* picture = "";         // on the map once it stands
  const char* rollOutPicture = "";  // finished, it leaves the tank factory with this picture
                                    // instead of being taken and put down; empty: put down
  const char* tooltip = "";
  const char* cue = nullptr;             // played as it is put down; nullptr: silent
  const char* inspectionName = nullptr;  // nullptr: a click leaves the panel's lines as they were
  bool powerSwitch = true;               // the inspection panel offers the power switch
  bool ordersTanks = false;              // a click opens the tank order panel for it
  Resources produces{};                  // per working building and economy tick
  Resources consumes{};
  Counter counter = Counter::kNone;
  Frames frames{};
  Unlocks unlocks{};
};

// The rows of the table. The player's kinds come first, in palette order.
enum class Building {
  kAccumulator,
  kMetalWorks,
  kWoodWorks,
  kLocator,
  kTankFactory,
  kTank,
  kConverter,
  kHeadquarters,
  kEnemyAccumulator,
  kEnemyMetalWorks,
  kEnemyHeadquarters,
};

inline constexpr int kPaletteItems = 7;

inline constexpr std::array<BuildingKind, 11> kBuildingKinds{{
    {.name = "accumulator",
     .tag = tag::kAccumulator,
     .paletteIndex = kAccumulator,
     .price = {300, 200, 50},
     .buildTicks = 10,
     .palettePicture = "akum",
     .paletteLabel = text::kAccumulatorLabel,
     .captionShowsPrice = true,
     .picture = "akum",
     .tooltip = text::kAccumulatorTooltip,
     .cue = cue::kPutDown,
     .inspectionName = text::kAccumulatorName,
     .produces = {.energy = 20},
     .counter = Counter::kAccumulators,
     .unlocks = {.paletteButton = kLocator, .fromMissionTwo = true}},
    {.name = "metal works",
     .tag = tag::kMetalWorks,
     .paletteIndex = kMetalWorks,
     .price = {800, 700, 150},
     .buildTicks = 50,
     .footprint = {1.3f, 1.2f},
     .palettePicture = "metzavod",
     .paletteLabel = text::kMetalWorksLabel,
     .captionShowsPrice = true,
     .picture = "metzavod",
     .tooltip = text::kMetalWorksTooltip,
     .cue = cue::kPutDown,
     .inspectionName = text::kMetalWorksName,
     .produces = {.metal = 30},
     .consumes = {.energy = 50},
     .counter = Counter::kMetalWorks,
     .frames = {"metzavod", "metzavod1"},
     .unlocks = {.paletteButton = kTankFactory, .fromMissionTwo = true}},
    {.name = "wood works",
     .tag = tag::kWoodWorks,
     .paletteIndex = kWoodWorks,
     .price = {200, 150, 50},
     .buildTicks = 20,
     .palettePicture = "derzavod",
     .paletteLabel = text::kWoodWorksLabel,
     .captionShowsPrice = true,
     .picture = "derzavod",
     .tooltip = text::kWoodWorksTooltip,
     .cue = cue::kPutDown,
     .inspectionName = text::kWoodWorksName,
     .produces = {.wood = 10},
     .consumes = {.energy = 10},
     .counter = Counter::kWoodWorks,
     .frames = {"derzavod", "derzavod1"},
     .unlocks = {.paletteButton = kConverter, .fromMissionTwo = true, .pageArrows = true}},
    {.name = "locator",
     .tag = tag::kLocator,
     .paletteIndex = kLocator,
     .price = {1400, 1500, 100},
     .buildTicks = 25,
     .footprint = {1.5f, 1.5f},
     .palettePicture = "locator",
     .paletteLabel = text::kLocatorLabel,
     .captionShowsPrice = true,
     .picture = "locator",
     .tooltip = text::kLocatorTooltip,
     .cue = cue::kRadar,
     .inspectionName = text::kLocatorName,
     .consumes = {.energy = 30},
     .unlocks = {.startsLocator = true}},
    {.name = "tank factory",
     .tag = tag::kTankFactory,
     .paletteIndex = kTankFactory,
     .price = {5000, 3500, 500},
     .buildTicks = 250,
     .footprint = {3.0f, 3.0f},
     .palettePicture = "tankozavod",
     .paletteLabel = text::kTankFactoryLabel,
     .captionShowsPrice = true,
     .picture = "tankozavod",
     .tooltip = text::kTankFactoryTooltip,
     .cue = cue::kPutDown,
     .inspectionName = text::kTankFactoryName,
     .ordersTanks = true,
     .consumes = {.energy = 120, .metal = 10},
     .counter = Counter::kTankFactories,
     .frames = {"tankozavod1", "tankozavod1"},
     .unlocks = {.paletteButton = kTankFactory, .whileSwitchedOn = true}},
    {.name = "tank",
     .tag = tag::kTank,
     .paletteIndex = kTank,
     .price = {2000, 3000, 200},
     .buildTicks = 50,
     .footprint = {1, 1, 40, 92},
     .palettePicture = "TankBui",
     .paletteLabel = text::kTankLabel,
     .picture = "tankvniz",
     .rollOutPicture = "tankvverh"},
    {.name = "converter",
     .tag = tag::kConverter,
     .paletteIndex = kConverter,
     .price = {800, 300, 150},
     .buildTicks = 180,
     .footprint = {0.8f, 0.8f},
     .palettePicture = "Bui",
     .picture = "konverter",
     .tooltip = text::kConverterTooltip,
     .cue = cue::kPutDown,
     .inspectionName = text::kConverterName,
     .produces = {.energy = 300},
     .consumes = {.wood = 70},
     .counter = Counter::kConverters},
    {.name = "headquarters",
     .tag = tag::kHeadquarters,
     .footprint = {1, 1, 81, 81},
     .picture = "baza",
     .inspectionName = text::kHeadquartersName,
     .powerSwitch = false,
     .produces = {1, 1, 1}},
    {.name = "enemy accumulator", .tag = tag::kEnemyAccumulator, .picture = "akumVraga"},
    {.name = "enemy metal works",
     .tag = tag::kEnemyMetalWorks,
     .footprint = {1.3f, 1.25f},
     .picture = "metzavodVraga",
     .frames = {"metzavodVraga", "metzavodVraga1"}},
    {.name = "enemy headquarters",
     .tag = tag::kEnemyHeadquarters,
     .footprint = {1, 1, 81, 81},
     .picture = "vrag"},
}};

constexpr const BuildingKind& kindOf(Building b) {
  return kBuildingKinds[static_cast<std::size_t>(b)];
}

// The kind a palette button orders (see BuildItem), or nullptr for no button.
const BuildingKind* paletteKind(int index);
// The kind of a tag in the object table, or nullptr for a tag no kind has. The empty tag
// is the enemy accumulator's.
const BuildingKind* kindOfTag(std::string_view tag);

// The palette button's caption: "Энергия Э-300 М-200 Д-50", or the label alone.
std::string paletteCaption(const BuildingKind& kind);
// The inspection panel's energy, metal and wood lines: "Энергия: +20", "Металл: --", ...
std::array<std::string, 3> effectLines(const BuildingKind& kind);
// Gives the slot the footprint's size.
void fitSlot(MapObject& slot, const Footprint& footprint);

}  // namespace kr
