// Not yet built: empty handlers so that the game links.
#include "model/battlefield/keys.h"

#include "model/game.h"

namespace kr {

void battlefieldKeyDown(Game&, int) {}

}  // namespace kr
