// The battlefield window as stored: slots, palette buttons and panels before level setup.
#include "model/core/world.h"

#include "model/core/building_kinds.h"

namespace kr {

namespace {

// A building of the kind standing at (left, top) from the start.
MapObject standing(const BuildingKind& kind, float left, float top, bool shown) {
  MapObject o;
  o.kind = kind.kind;
  o.left = left;
  o.top = top;
  fitSlot(o, kind.footprint);
  o.picture = kind.picture;
  o.shown = shown;
  o.tooltip = kind.tooltip;
  return o;
}

// The palette button that orders the kind, with its label, where its row puts it.
Control storedPaletteButton(const BuildingKind& kind) {
  const PaletteSpot& b = kind.palette;
  return Control::at(b.left, b.top, b.side, b.side, kind.paletteLabel, !b.hiddenAtStart);
}

// The sequence of change stamps, shared by every battlefield the program loads.
std::uint64_t lastStampGiven = 0;

}  // namespace

void Battlefield::objectChanged(int slot) {
  newestStamp = ++lastStampGiven;
  slotStamps[static_cast<std::size_t>(slot)] = newestStamp;
}

Battlefield::Battlefield() {
  for (int i = 0; i < kSlots; ++i) objectChanged(i);
  objects[0] = standing(kindOf(Building::kHeadquarters), 48, 40, true);
  // The headquarters stands from the start, and so does its marker.
  markers[0] = Marker{48, 40, true};
  objects[1].left = 8;
  objects[1].top = 8;
  objects[2].left = 32;
  objects[2].top = 8;
  objects[kEnemyHq] = standing(kindOf(Building::kEnemyHeadquarters), 8, 8, false);

  for (std::size_t i = 0; i < paletteButtons.size(); ++i)
    paletteButtons[i] = storedPaletteButton(kBuildingKinds[i]);
}

}  // namespace kr
