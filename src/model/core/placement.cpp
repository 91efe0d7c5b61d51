// The map click: closing the panels and putting the item in hand down on free ground.
#include "model/core/placement.h"

#include "model/core/building_kinds.h"
#include "model/core/counters.h"
#include "model/core/levels.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

void putBuildingDown(Game& g, int l, const BuildingKind& kind) {
  Battlefield& f = g.battlefield();
  MapObject& item = f.objects[static_cast<std::size_t>(l)];
  item.picture = kind.picture;
  item.kind = kind.kind;
  item.tooltip = kind.tooltip;
  item.border = 0;
  item.shown = true;
  countBuilding(f, kind, 1);
  if (kind.cue) g.playCue(kind.cue);

  const Unlocks& u = kind.unlocks;
  if (u.button != Building::kNone &&
      (!u.fromMissionTwo || levelRules(g.levelNumber).unlocksPalette)) {
    f.paletteButton(u.button).visible = true;
    if (u.pageArrows) {
      f.nextPageArrow.visible = true;
      f.previousPageArrow.visible = true;
    }
  }
  if (u.startsLocator) {
    f.locatorActive = true;
    f.locatorBuilt = true;
  }
}

bool freeGroundTest(const MapObject& L, const MapObject& O) {
  const float l = L.left, r = L.right(), t = L.top, b = L.bottom();
  const float ol = O.left, oR = O.right(), ot = O.top, ob = O.bottom();
  const bool overlaps = (l > ol && l < oR + 10 && t > ot && t < ob + 10) ||  // top-left corner
                        (r > ol - 10 && r < oR && t > ot && t < ob + 10) ||  // top-right corner
                        (l > ol && l < oR + 10 && b > ot - 10 && b < ob) ||  // bottom-left corner
                        (r > ol - 10 && r < oR && b > ot - 10 && b < ob) ||  // bottom-right corner
                        (l > ol && l < oR + 10 && t < ot && b > ob) ||       // spanning O's height
                        (r > ol && l < oR + 10 && t < ot && b > ob) ||
                        (l < ol && r > oR && b > ot && b < ob) ||  // spanning O's width
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
    if (const BuildingKind* kind = kindAt(f.buildKind)) putBuildingDown(g, l, *kind);
    f.markers[static_cast<std::size_t>(l)] = Marker{item.left, item.top, true};
    f.objectChanged(l);
    enablePalette(g, true);
    f.buildKind = Building::kNone;
  }

  // The system pointer is never hidden, so there is nothing to show again.
  f.inspectedEnergy.visible = false;
  f.inspectedMetal.visible = false;
  f.inspectedWood.visible = false;
  f.powerSwitch.visible = false;
  f.inspectedName.caption.clear();
}

const char* placedPicture(Building buildKind) {
  const BuildingKind* kind = kindAt(buildKind);
  return kind ? kind->picture : "";
}

}  // namespace kr
