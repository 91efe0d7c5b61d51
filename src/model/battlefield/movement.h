// Tanks driving to their target.
#pragma once

namespace kr {

class Game;

void movementTick(Game& g);  // movement, every 100 ms

}  // namespace kr
