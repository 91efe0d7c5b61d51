// The battlefield window as stored: slots, palette buttons and panels before level setup.
#include "model/core/world.h"

#include "model/core/building_kinds.h"
#include "model/texts.h"

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

Battlefield::Battlefield()
    : caption(text::kGameName),
      buildFrame(Control::at(816, 0, 136.8f, 425, text::kBuildFrame)),
      buildFrameTitle(Control::at(0, 0, 134.4f, 24.8f, text::kBuildFrame)),
      constructionLabel(Control::at(8, 368, 119.2f, 16.8f, text::kUnderConstruction, false)),
      resourcesFrame(Control::at(816, 424, 136.8f, kResourcesHeight, text::kResourcesFrame)),
      resourcesFrameTitle(Control::at(0, 0, 134.4f, 32.8f, text::kResourcesFrame)),
      energyTitle(Control::at(5.3f, 32, 72.8f, 16.8f, text::kEnergyTitle)),
      metalTitle(Control::at(5.3f, 80, 56.8f, 24.8f, text::kMetalTitle)),
      woodTitle(Control::at(5.3f, 128, 64.8f, 24.8f, text::kWoodTitle)),
      powerSwitch(Control::at(8, 80, 124, 23.2f, text::kPowerSwitchStored)),
      minimapFrame(Control::at(952, 0, 169, 1280, text::kMinimapFrame)),
      minimapFrameTitle(Control::at(0, 0, 177, 25, text::kMinimapFrame)) {
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
