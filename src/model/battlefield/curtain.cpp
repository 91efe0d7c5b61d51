// The minimap curtain: shrinks towards its centre while a locator works.
#include "model/battlefield/curtain.h"

#include "model/core/world.h"
#include "model/game.h"

namespace kr {

namespace {

void closedGeometry(Control& z) {
  z.left = 0;
  z.top = 0;
  z.width = kMapWidth;
  z.height = kMapHeight;
}

}  // namespace

void closeCurtain(Game& g) {
  Control& z = g.battlefield().curtain;
  closedGeometry(z);
  z.visible = true;
}

void curtainTick(Game& g) {
  Battlefield& f = g.battlefield();
  Control& z = f.curtain;
  z.left += 10;
  z.width -= 20;
  z.top += 10;
  z.height -= 20;
  if (z.height < 50) {
    z.visible = false;
    closedGeometry(z);
    g.clock.setEnabled(kCurtainTimer, false);
  }
}

const WindowTimer<Battlefield> kCurtainTimer({
    .name = "curtain",
    .interval = 1ms,
    .place = 11,
    .tick = curtainTick,
});

}  // namespace kr
