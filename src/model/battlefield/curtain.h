// The black curtain in front of the minimap.
#pragma once

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

void curtainTick(Game& g);
void closeCurtain(Game& g);  // full size and shown
// The curtain shrinks on every display frame while it opens; a working locator starts its
// timer.
extern const WindowTimer<Battlefield> kCurtainTimer;

}  // namespace kr
