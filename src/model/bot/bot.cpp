// Not yet built: empty handlers so that the game links.
#include "model/bot/bot.h"

#include "model/game.h"

namespace kr {

void botTurn(Game&) {}

}  // namespace kr
