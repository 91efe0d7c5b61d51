// Not yet built: empty handlers so that the game links.
#include "model/battlefield/navigation.h"

#include "model/game.h"

namespace kr {

void navigationTick(Game&) {}
void minimapMouseDown(Game&, int, float, float) {}

}  // namespace kr
