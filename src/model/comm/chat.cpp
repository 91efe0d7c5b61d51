// Not yet built: empty handlers so that the game links.
#include "model/comm/chat.h"

#include "model/game.h"

namespace kr {

void chatSubmit(Game&) {}
void chatTimerTick(Game&) {}

}  // namespace kr
