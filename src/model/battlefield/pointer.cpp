// Presses, moves and releases on bare ground: the red rectangle, move orders, the ghost.
#include "model/battlefield/pointer.h"

#include "model/battlefield/movement.h"
#include "model/core/building_kinds.h"
#include "model/core/placement.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

namespace {

// The last two of the player's 300 items follow the pointer without a ghost.
constexpr int kLastSlotWithGhost = kLastPlayerSlot - 2;

bool validSlot(int slot) { return slot >= 0 && slot <= kLastSlot; }

bool isTank(const Battlefield& f, int slot) {
  return validSlot(slot) && f.objects[slot].kind == Building::kTank;
}

// Stretches one axis of the rectangle between the start and the pointer.
void stretch(float at, float start, float& low, float& size) {
  if (at < start) {
    low = at;
    size = start - at;
  } else {
    size = at - start;
  }
}

}  // namespace

void mapMouseDown(Game& g, int button, float x, float y) {
  if (!canClick(g, &Battlefield::mapSurface)) return;
  Battlefield& f = g.battlefield();
  if (button == 2) {
    g.tankSelected = false;
    f.mapPointer = Pointer::Custom;
  }
  if (button == 1) {
    g.selectionDragging = true;
    f.selectionRect.left = x;
    f.selectionRect.top = y;
    f.selectionRect.width = 0;
    f.selectionRect.height = 0;
    f.selectionRect.visible = true;
    g.selectionStartX = x;
    g.selectionStartY = y;
  }
  if (g.tankSelected && button == 1 && isTank(f, g.selectedSlot)) {
    g.moveTargetX = x;
    g.moveTargetY = y;
    orderMove(g);
  } else {
    g.tankSelected = false;
  }
}

void orderMove(Game& g) {
  Battlefield& f = g.battlefield();
  if (isTank(f, g.selectedSlot) && g.tankSelected) {
    g.moveOrdered = true;
    // The order belongs to this tank, whatever is clicked while it drives.
    g.movingSlot = g.selectedSlot;
  }
  g.clock.setEnabled(kMovementTimer, true);
}

void mapMouseMove(Game& g, int, float x, float y) {
  if (!canClick(g, &Battlefield::mapSurface)) return;
  Battlefield& f = g.battlefield();
  f.mapPointer = Pointer::Custom;
  if (g.selectionDragging) {
    stretch(x, g.selectionStartX, f.selectionRect.left, f.selectionRect.width);
    stretch(y, g.selectionStartY, f.selectionRect.top, f.selectionRect.height);
  }
  if (!(f.placementPending && f.lastOrderedSlot <= kLastSlotWithGhost && f.itemInHand) ||
      !validSlot(f.lastOrderedSlot))
    return;

  MapObject& ghost = f.objects[f.lastOrderedSlot];
  f.mapPointer = Pointer::SizeAll;
  // The border tells whether the ghost may stand where it is now, before this move.
  ghost.border = 1;
  for (const MapObject& other : f.objects)
    if (freeGroundTest(ghost, other)) ghost.border = 0;
  ghost.shown = true;
  ghost.left = x + 15;
  ghost.top = y - ghost.height / 2;
  f.objectChanged(f.lastOrderedSlot);
}

void mapMouseUp(Game& g, int, float, float) {
  if (!canClick(g, &Battlefield::mapSurface)) return;
  Control& r = g.battlefield().selectionRect;
  r.visible = false;
  r.width = 0;
  r.height = 0;
}

void groundClick(Game& g) {
  if (!canClick(g, &Battlefield::mapSurface)) return;
  mapClick(g);
}

int slotInHand(const Battlefield& f) {
  return f.placementPending && f.itemInHand && validSlot(f.lastOrderedSlot) ? f.lastOrderedSlot
                                                                            : -1;
}

MapLayer mapLayer(const Battlefield& f, int slot) {
  if (slot == slotInHand(f)) return MapLayer::InHand;
  return f.objects[slot].kind == Building::kTank ? MapLayer::Tanks : MapLayer::Buildings;
}

int objectAt(const Battlefield& f, float x, float y) {
  int best = -1;
  MapLayer bestLayer = MapLayer::Buildings;
  for (int i = 0; i <= kLastSlot; ++i) {
    const MapObject& o = f.objects[i];
    if (!o.shown || !(x >= o.left && x < o.right() && y >= o.top && y < o.bottom())) continue;
    const MapLayer layer = mapLayer(f, i);
    if (layer == MapLayer::InHand) continue;
    if (best < 0 || layer >= bestLayer) {
      best = i;
      bestLayer = layer;
    }
  }
  return best;
}

}  // namespace kr
