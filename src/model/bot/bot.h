// The enemy's builder.
#pragma once

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

void botTurn(Game& g);  // one turn; it sets the wait to the next
// The bot's timer, stopped, with a wait of 3 s until level setup draws its first one and
// starts it in the missions that have an enemy. The in-game menu pauses it.
extern const WindowTimer<Battlefield> kBotTimer;

}  // namespace kr
