// Not yet built: empty handlers so that the game links.
#include "model/core/construction.h"

#include "model/game.h"

namespace kr {

void constructionTick(Game&) {}
void barsTick(Game&) {}

}  // namespace kr
