// The movement tick: the ordered tank steps 10 pixels per axis and turns to its heading.
#include "model/battlefield/movement.h"

#include "model/core/building_kinds.h"
#include "model/game.h"

namespace kr {

namespace {

struct Heading {
  const char* picture;
  float width;
  float height;
};

constexpr Heading kDown{"tankvniz", 40, 92};
constexpr Heading kUp{"tankvverh", 40, 92};
constexpr Heading kRight{"tankvpravo", 92, 40};
constexpr Heading kLeft{"tankvlevo", 92, 40};
constexpr Heading kUpRight{"diagvverhvpravo", 92, 92};
constexpr Heading kUpLeft{"diagvverhvlevo", 92, 92};
constexpr Heading kDownLeft{"tankdiagvnizvlevo", 92, 92};
constexpr Heading kDownRight{"tankdiagvnizvpravo", 92, 92};

// The top-left corner stays where it is.
void turn(MapObject& tank, const Heading& h) {
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
  if (t.top < ty && t.left < tx && tx < t.right()) turn(t, kDown);
  if (t.top > ty && t.left < tx && tx < t.right()) turn(t, kUp);
  if (t.right() < tx && t.top < ty && ty < t.bottom()) turn(t, kRight);
  if (t.left > tx && t.top < ty && ty < t.bottom()) turn(t, kLeft);
  if (t.right() < tx && t.top > ty) turn(t, kUpRight);
  if (t.left > tx && t.top > ty) turn(t, kUpLeft);
  if (t.left > tx && t.bottom() < ty) turn(t, kDownLeft);
  if (t.right() < tx && t.bottom() < ty) turn(t, kDownRight);
  f.objectChanged(g.movingSlot);
}

void registerMovementTimer(Game& g, BattlefieldTimers& timers) {
  timers.movement = g.clock.add("movement", kMovementInterval, false, [&g] { movementTick(g); });
}

}  // namespace kr
