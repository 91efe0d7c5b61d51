// Mission 1 complete.
#pragma once

namespace kr {

class Game;

void win(Game& g);

}  // namespace kr
