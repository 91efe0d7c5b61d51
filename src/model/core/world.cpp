// The battlefield window as stored: slots, palette buttons and panels before level setup.
#include "model/core/world.h"

#include "model/core/building_kinds.h"

namespace kr {

namespace {

// A building of the kind standing at (left, top) from the start.
MapObject standing(const BuildingKind& kind, float left, float top, bool shown) {
  MapObject o;
  o.tag = kind.tag;
  o.left = left;
  o.top = top;
  fitSlot(o, kind.footprint);
  o.picture = kind.picture;
  o.shown = shown;
  o.tooltip = kind.tooltip;
  return o;
}

// The palette button that orders the kind, with its caption.
Control paletteButton(BuildItem item, float left, float top, float side, bool visible = true) {
  return Control::at(left, top, side, side, paletteCaption(*paletteKind(item)), visible);
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

  paletteButtons[kAccumulator] = paletteButton(kAccumulator, 8, 48, 56.8f);
  paletteButtons[kMetalWorks] = paletteButton(kMetalWorks, 72, 48, 56.8f);
  paletteButtons[kWoodWorks] = paletteButton(kWoodWorks, 8, 112, 56.8f);
  paletteButtons[kLocator] = paletteButton(kLocator, 72, 112, 56.8f, false);
  paletteButtons[kTankFactory] = paletteButton(kTankFactory, 8, 176, 56.8f, false);
  // The tank button lies in the tank order panel, the converter button on page 2.
  paletteButtons[kTank] = paletteButton(kTank, 8, 16, 69);
  paletteButtons[kConverter] = paletteButton(kConverter, 0, 16, 69);
}

}  // namespace kr
