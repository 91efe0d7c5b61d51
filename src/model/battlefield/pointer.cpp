// Presses, moves and releases on bare ground: the red rectangle, move orders, the ghost.
#include "model/battlefield/pointer.h"

#include "model/core/placement.h"
#include "model/game.h"

namespace kr {

namespace {

bool validSlot(int slot) { return slot >= 0 && slot <= kObjectSlotCount; }

bool isTank(const Form1& f, int slot) { return validSlot(slot) && f.Baza[slot].tag == "tank"; }

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
  Form1& f = g.form1();
  if (button == 2) {
    g.TankSelected = false;
    f.mapPointer = Pointer::Custom;
  }
  if (button == 1) {
    g.SelectionDragging = true;
    f.Selec.left = x;
    f.Selec.top = y;
    f.Selec.width = 0;
    f.Selec.height = 0;
    f.Selec.visible = true;
    g.SelectionStartX = x;
    g.SelectionStartY = y;
  }
  if (g.TankSelected && button == 1 && isTank(f, g.SelectedIndex)) {
    g.MoveTargetX = x;
    g.MoveTargetY = y;
    orderMove(g);
  } else {
    g.TankSelected = false;
    f.windowPointer = Pointer::Custom;
  }
}

void orderMove(Game& g) {
  Form1& f = g.form1();
  if (isTank(f, g.SelectedIndex) && g.TankSelected) {
    g.MoveOrdered = true;
    // The order belongs to this tank, whatever is clicked while it drives.
    g.MovingSlot = g.SelectedIndex;
  }
  g.clock.setEnabled(f.timers.Timer6, true);
}

void mapMouseMove(Game& g, int, float x, float y) {
  Form1& f = g.form1();
  f.mapPointer = Pointer::Custom;
  if (g.SelectionDragging) {
    stretch(x, g.SelectionStartX, f.Selec.left, f.Selec.width);
    stretch(y, g.SelectionStartY, f.Selec.top, f.Selec.height);
  }
  if (!(f.PlacementPending && f.LastSlot < 299 && f.ItemInHand) || !validSlot(f.LastSlot)) return;

  MapObject& ghost = f.Baza[f.LastSlot];
  f.mapPointer = Pointer::SizeAll;
  // The border tells whether the ghost may stand where it is now, before this move.
  ghost.border = 1;
  for (const MapObject& other : f.Baza)
    if (freeGroundTest(ghost, other)) ghost.border = 0;
  ghost.shown = true;
  ghost.left = x + 15;
  ghost.top = y - ghost.height / 2;
}

void mapMouseUp(Game& g, int, float, float) {
  Control& r = g.form1().Selec;
  r.visible = false;
  r.width = 0;
  r.height = 0;
}

int slotInHand(const Form1& f) {
  return f.PlacementPending && f.ItemInHand && validSlot(f.LastSlot) ? f.LastSlot : -1;
}

MapLayer mapLayer(const Form1& f, int slot) {
  if (slot == slotInHand(f)) return MapLayer::InHand;
  return f.Baza[slot].tag == "tank" ? MapLayer::Tanks : MapLayer::Buildings;
}

int objectAt(const Form1& f, float x, float y) {
  int best = -1;
  MapLayer bestLayer = MapLayer::Buildings;
  for (int i = 0; i <= kObjectSlotCount; ++i) {
    const MapObject& o = f.Baza[i];
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
