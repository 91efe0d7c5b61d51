// The table of building kinds: one row per kind with all the rules and windows know of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/battlefield/tank_headings.h"
#include "model/building_texts.h"
#include "model/core/building.h"
#include "model/cues.h"

namespace kr {

struct MapObject;

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

// Where a kind's palette button lies: straight in the build frame (page 1), on page 2, or
// in the tank order panel that inspecting a tank factory opens.
enum class PalettePlace : std::uint8_t { kNone, kPageOne, kPageTwo, kTankOrders };

// A kind's palette button: where it lies, its top-left corner there and its side.
struct PaletteSpot {
  PalettePlace place = PalettePlace::kNone;
  float left = 0;
  float top = 0;
  float side = 0;
  bool hiddenAtStart = false;  // shown only once something unlocks it
};

// The two pictures the animation timers alternate; none for a still building.
struct Frames {
  const char* phase1 = nullptr;
  const char* phase2 = nullptr;
};

// What putting a building down opens up.
struct Unlocks {
  Building button = Building::kNone;  // the kind whose palette button it shows
  bool fromMissionTwo = false;        // the button shows only from mission 2 on
  bool pageArrows = false;            // the page arrows show along with the button
  bool whileSwitchedOn = false;       // its power switch hides the button and shows it again
  bool startsLocator = false;         // the locator works, and counts as built; the switch stops it
};

// One kind of building (or the tank) with everything the game knows of it.
struct BuildingKind {
  Building kind = Building::kNone;  // its own row
  const char* name = "";            // what listings and test names call it
  std::string_view tag;             // the short name listings of the object table print
  PaletteSpot palette{};            // its palette button; kNone: not built from the palette
  Resources price{};
  int buildTicks = 0;  // construction ticks of 100 ms
  Footprint footprint{};
  const char* palettePicture = "";
  text::TextRef paletteLabel{};  // the palette button's caption, over the picture
  bool captionShowsPrice = false;  // the price stands beside the picture: "Э-…", "М-…", "Д-…"
  const char* picture = "";        // on the map once it stands
  const char* rollOutPicture = "";  // finished, it leaves the tank factory with this picture
                                    // instead of being taken and put down; empty: put down
  text::TextRef tooltip{};
  const char* cue = nullptr;       // played as it is put down; nullptr: silent
  text::TextRef inspectionName{};  // none: a click leaves the panel's lines as they were
  bool powerSwitch = true;         // the inspection panel offers the power switch
  bool ordersTanks = false;        // a click opens the tank order panel for it
  Resources produces{};            // per working building and economy tick
  Resources consumes{};
  // Working ones (placed and switched on) are counted, and the economy tick takes the rates
  // above once per counted building.
  bool counted = false;
  bool burnsWood = false;  // its energy comes only with the wood it burns (the wood step)
  Frames frames{};
  Unlocks unlocks{};
};

// The table: one row per kind, in the order of Building.
inline constexpr std::array<BuildingKind, kBuildingKindCount> kBuildingKinds{{
    {.kind = Building::kAccumulator,
     .name = "accumulator",
     .tag = "elek",
     .palette = {PalettePlace::kPageOne, 8, 48, 56.8f},
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
     .counted = true,
     .unlocks = {.button = Building::kLocator, .fromMissionTwo = true}},
    {.kind = Building::kMetalWorks,
     .name = "metal works",
     .tag = "meta",
     .palette = {PalettePlace::kPageOne, 72, 48, 56.8f},
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
     .counted = true,
     .frames = {"metzavod", "metzavod1"},
     .unlocks = {.button = Building::kTankFactory, .fromMissionTwo = true}},
    {.kind = Building::kWoodWorks,
     .name = "wood works",
     .tag = "dere",
     .palette = {PalettePlace::kPageOne, 8, 112, 56.8f},
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
     .counted = true,
     .frames = {"derzavod", "derzavod1"},
     .unlocks = {.button = Building::kConverter, .fromMissionTwo = true, .pageArrows = true}},
    {.kind = Building::kLocator,
     .name = "locator",
     .tag = "loca",
     .palette = {PalettePlace::kPageOne, 72, 112, 56.8f, true},
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
    {.kind = Building::kTankFactory,
     .name = "tank factory",
     .tag = "taza",
     .palette = {PalettePlace::kPageOne, 8, 176, 56.8f, true},
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
     .counted = true,
     .frames = {"tankozavod1", "tankozavod1"},
     .unlocks = {.button = Building::kTankFactory, .whileSwitchedOn = true}},
    {.kind = Building::kTank,
     .name = "tank",
     .tag = "tank",
     .palette = {PalettePlace::kTankOrders, 8, 16, 69},
     .price = {2000, 3000, 200},
     .buildTicks = 50,
     .footprint = {1, 1, kTankDown.width, kTankDown.height},
     .palettePicture = "TankBui",
     .paletteLabel = text::kTankLabel,
     .picture = kTankDown.picture,
     .rollOutPicture = kTankUp.picture},
    {.kind = Building::kConverter,
     .name = "converter",
     .tag = "konv",
     .palette = {PalettePlace::kPageTwo, 0, 16, 69},
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
     .counted = true,
     .burnsWood = true},
    {.kind = Building::kHeadquarters,
     .name = "headquarters",
     .tag = "baza",
     .footprint = {1, 1, 81, 81},
     .picture = "baza",
     .inspectionName = text::kHeadquartersName,
     .powerSwitch = false,
     .produces = {1, 1, 1}},
    {.kind = Building::kEnemyAccumulator,
     .name = "enemy accumulator",
     .tag = "",
     .picture = "akumVraga"},
    {.kind = Building::kEnemyMetalWorks,
     .name = "enemy metal works",
     .tag = "metVraga",
     .footprint = {1.3f, 1.25f},
     .picture = "metzavodVraga",
     .frames = {"metzavodVraga", "metzavodVraga1"}},
    {.kind = Building::kEnemyHeadquarters,
     .name = "enemy headquarters",
     .tag = "vrag",
     .footprint = {1, 1, 81, 81},
     .picture = "vrag"},
}};

constexpr const BuildingKind& kindOf(Building kind) { return kBuildingKinds[rowOf(kind)]; }

// The row of a slot's kind, or nullptr for an empty slot.
constexpr const BuildingKind* kindAt(Building kind) {
  return kind == Building::kNone ? nullptr : &kindOf(kind);
}

// The short name of a slot's kind as listings print it; empty for an empty slot.
constexpr std::string_view tagOf(Building kind) {
  return kind == Building::kNone ? std::string_view() : kindOf(kind).tag;
}

namespace checks {

// Every kind has its row, in the order of Building; exactly the player's kinds, which come
// first, have a palette button; a button a kind unlocks is one of the palette's.
constexpr bool rowsInOrder() {
  for (std::size_t i = 0; i < kBuildingKinds.size(); ++i) {
    const BuildingKind& k = kBuildingKinds[i];
    if (rowOf(k.kind) != i) return false;
    if ((k.palette.place != PalettePlace::kNone) != onPalette(k.kind)) return false;
    if (k.unlocks.button != Building::kNone && !onPalette(k.unlocks.button)) return false;
  }
  return true;
}
static_assert(rowsInOrder(), "a kind without its row, or out of order");

}  // namespace checks

// The price the palette button shows beside its picture, one amount a line: "Э-300",
// "М-200", "Д-50"; nothing for a button whose caption is its label alone.
std::vector<std::string> priceLines(const BuildingKind& kind);
// The inspection panel's energy, metal and wood lines: "Энергия: +20", "Металл: --", ...
std::array<std::string, 3> effectLines(const BuildingKind& kind);
// Gives the slot the footprint's size.
void fitSlot(MapObject& slot, const Footprint& footprint);

}  // namespace kr
