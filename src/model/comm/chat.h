// The chat line, its box and the console commands.
#pragma once

namespace kr {

class Game;

void chatSubmit(Game& g);     // chatText_DblClick
void chatTimerTick(Game& g);  // Timer7

}  // namespace kr
