// Tanks driving to their target.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds between two steps of a driving tank.
inline constexpr int kMovementInterval = 100;

void movementTick(Game& g);
// The movement timer; the first move order starts it.
void registerMovementTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
