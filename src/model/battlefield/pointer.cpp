// Not yet built: empty handlers so that the game links.
#include "model/battlefield/pointer.h"

#include "model/game.h"

namespace kr {

void mapMouseDown(Game&, int, float, float) {}
void mapMouseMove(Game&, int, float, float) {}
void mapMouseUp(Game&, int, float, float) {}
void orderMove(Game&) {}

}  // namespace kr
