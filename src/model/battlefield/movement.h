// Tanks driving to their target.
#pragma once

namespace kr {

class Game;

void movementTick(Game& g);  // Timer6, every 100 ms

}  // namespace kr
