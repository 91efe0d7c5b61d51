// Not yet built: empty handlers so that the game links.
#include "model/battlefield/movement.h"

#include "model/game.h"

namespace kr {

void movementTick(Game&) {}

}  // namespace kr
