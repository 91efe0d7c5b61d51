// The movement tick: the ordered tank steps 10 pixels per axis and turns to its heading.
#include "model/battlefield/movement.h"

#include "model/battlefield/tank_headings.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

namespace {

// The top-left corner stays where it is.
void turn(MapObject& tank, const TankHeading& h) {
  tank.width = h.width;
  tank.height = h.height;
  tank.picture = h.picture;
}

}  // namespace

void movementTick(Game& g) {
  if (!g.moveOrdered) return;
  Battlefield& f = g.battlefield();
  if (g.movingSlot < 0 || g.movingSlot > kLastSlot) return;
  MapObject& t = f.objects[g.movingSlot];
  if (t.kind != Building::kTank) return;
  const float tx = g.moveTargetX;
  const float ty = g.moveTargetY;
  // Every step reads the tank afresh, so each sees the steps before it.
  const auto cx = [&t] { return t.left + t.width / 2; };
  const auto cy = [&t] { return t.top + t.height / 2; };

  if (cx() < tx) t.left += 10;
  if (cx() > tx) t.left -= 10;
  if (cy() < ty) t.top += 10;
  if (cy() > ty) t.top -= 10;
  if (cx() == tx && cy() == ty) g.moveOrdered = false;

  // Every heading test that holds turns the tank; the last one wins.
  if (t.top < ty && t.left < tx && tx < t.right()) turn(t, kTankDown);
  if (t.top > ty && t.left < tx && tx < t.right()) turn(t, kTankUp);
  if (t.right() < tx && t.top < ty && ty < t.bottom()) turn(t, kTankRight);
  if (t.left > tx && t.top < ty && ty < t.bottom()) turn(t, kTankLeft);
  if (t.right() < tx && t.top > ty) turn(t, kTankUpRight);
  if (t.left > tx && t.top > ty) turn(t, kTankUpLeft);
  if (t.left > tx && t.bottom() < ty) turn(t, kTankDownLeft);
  if (t.right() < tx && t.bottom() < ty) turn(t, kTankDownRight);
  f.objectChanged(g.movingSlot);
}

const WindowTimer<Battlefield> kMovementTimer({
    .name = "movement",
    .interval = 100ms,
    .place = 4,
    .tick = movementTick,
});

}  // namespace kr
