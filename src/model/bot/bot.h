// The enemy's builder.
#pragma once

namespace kr {

class Game;

void botTurn(Game& g);  // the Bot timer

}  // namespace kr
