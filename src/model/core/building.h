// The kinds of buildings (and the tank) that a slot of the object table can hold.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kr {

// One row of the building kinds table (building_kinds.h) each, in the table's order. The
// player's kinds come first, in palette order: the palette has one button per player kind,
// numbered as its row. A new player kind goes in before kHeadquarters.
enum class Building : std::uint8_t {
  kAccumulator,
  kMetalWorks,
  kWoodWorks,
  kLocator,
  kTankFactory,
  kTank,
  kConverter,
  kHeadquarters,  // the first kind without a palette button
  kEnemyAccumulator,
  kEnemyMetalWorks,
  kEnemyHeadquarters,
  kNone,  // an empty slot; no row
};

// How many rows the kinds table has, and how many of them are the palette's.
inline constexpr std::size_t kBuildingKindCount = static_cast<std::size_t>(Building::kNone);
inline constexpr int kPaletteItems = static_cast<int>(Building::kHeadquarters);

// A kind's row in the kinds table and in every per-kind array.
constexpr std::size_t rowOf(Building kind) { return static_cast<std::size_t>(kind); }

// True for the kinds the palette orders.
constexpr bool onPalette(Building kind) { return static_cast<int>(kind) < kPaletteItems; }

}  // namespace kr
