// The map click: closing the panels and putting the item in hand down on free ground.
#include "model/core/placement.h"

#include <array>

#include "model/cues.h"
#include "model/core/counters.h"
#include "model/core/palette.h"
#include "model/game.h"

namespace kr {

namespace {

// What an item becomes when it is put down, by palette index.
struct PlacedKind {
  const char* picture;
  const char* tag;
  const char* tooltip;
  const char* cue;  // nullptr: silent
};

const std::array<PlacedKind, kPaletteItems> kPlaced{{
    {"akum", "elek", "Аккумулятор", cue::kPutDown},
    {"metzavod", "meta", "Металло-перерабатывающий завод", cue::kPutDown},
    {"derzavod", "dere", "Дерево-перерабатывающий завод", cue::kPutDown},
    {"locator", "loca", "Локатор", cue::kRadar},
    {"tankozavod", "taza", "Завод по производству танков", cue::kPutDown},
    {"tankvniz", "tank", "", nullptr},
    {"konverter", "konv", "Конвертер - сжигает дерево для получения электричества", cue::kPutDown},
}};

// Slot l becomes a building of the palette index kind, counted and with its unlocks.
void putDown(Game& g, int l, int kind) {
  Battlefield& f = g.battlefield();
  const PlacedKind& k = kPlaced.at(static_cast<std::size_t>(kind));
  MapObject& item = f.objects[static_cast<std::size_t>(l)];
  item.picture = k.picture;
  item.tag = k.tag;
  item.tooltip = k.tooltip;
  item.border = 0;
  item.shown = true;
  countBuilding(f, item.tag, 1);
  if (k.cue) g.playCue(k.cue);

  const bool missionTwo = g.levelNumber > 1;
  switch (kind) {
    case kAccumulator:
      if (missionTwo) f.paletteButtons[kLocator].visible = true;
      break;
    case kMetalWorks:
      if (missionTwo) f.paletteButtons[kTankFactory].visible = true;
      break;
    case kWoodWorks:
      if (missionTwo) {
        f.paletteButtons[kConverter].visible = true;
        f.nextPageArrow.visible = true;
        f.previousPageArrow.visible = true;
      }
      break;
    case kLocator:
      f.locatorActive = true;
      f.locatorBuilt = true;
      break;
    case kTankFactory:
      f.paletteButtons[kTankFactory].visible = true;
      break;
    default:
      break;
  }
}

}  // namespace

bool freeGroundTest(const MapObject& L, const MapObject& O) {
  const float l = L.left, r = L.right(), t = L.top, b = L.bottom();
  const float ol = O.left, oR = O.right(), ot = O.top, ob = O.bottom();
  const bool overlaps =
      (l > ol && l < oR + 10 && t > ot && t < ob + 10) ||       // top-left corner
      (r > ol - 10 && r < oR && t > ot && t < ob + 10) ||       // top-right corner
      (l > ol && l < oR + 10 && b > ot - 10 && b < ob) ||       // bottom-left corner
      (r > ol - 10 && r < oR && b > ot - 10 && b < ob) ||       // bottom-right corner
      (l > ol && l < oR + 10 && t < ot && b > ob) ||            // spanning O's height
      (r > ol && l < oR + 10 && t < ot && b > ob) ||
      (l < ol && r > oR && b > ot && b < ob) ||                 // spanning O's width
      (l < ol && r > oR && t > ot && t < ob);
  const bool offMap = t < 0 || r + 170 > kMapWidth || b + 170 > kMapHeight;
  return overlaps || offMap;
}

void mapClick(Game& g) {
  Battlefield& f = g.battlefield();
  f.tankOrderPanel.visible = false;
  f.healthBar.visible = false;
  f.healthBarFrame.visible = false;
  f.healthLabel.visible = false;
  f.placementPending = false;

  const int l = f.lastOrderedSlot;
  const MapObject& item = f.objects[static_cast<std::size_t>(l)];
  for (const MapObject& o : f.objects)
    if (freeGroundTest(item, o)) f.placementPending = true;

  if (!f.placementPending && f.itemInHand) {
    f.constructionBar.visible = false;
    f.constructionBarFrame.visible = false;
    f.readyIcon.visible = false;
    if (f.buildKind >= 0 && f.buildKind < kPaletteItems) putDown(g, l, f.buildKind);
    f.markers[static_cast<std::size_t>(l)] = Marker{item.left, item.top, true};
    f.windowPointer = Pointer::Default;
    enablePalette(g, true);
    f.buildKind = -1;
  }

  // The system pointer is never hidden, so there is nothing to show again.
  f.inspectedEnergy.visible = false;
  f.inspectedMetal.visible = false;
  f.inspectedWood.visible = false;
  f.powerSwitch.visible = false;
  f.inspectedName.caption.clear();
}

const char* placedPicture(int buildKind) {
  if (buildKind < 0 || buildKind >= static_cast<int>(kPlaced.size())) return "";
  return kPlaced[static_cast<std::size_t>(buildKind)].picture;
}

}  // namespace kr
