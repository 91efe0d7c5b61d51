// Tanks driving to their target.
#pragma once

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

void movementTick(Game& g);
// A driving tank steps every 100 ms; the first move order starts the timer.
extern const WindowTimer<Battlefield> kMovementTimer;

}  // namespace kr
