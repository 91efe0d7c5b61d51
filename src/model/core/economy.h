// The economy tick and the resource display.
#pragma once

namespace kr {

class Game;

void economyTick(Game& g);          // every 500 ms
void resourceDisplayTick(Game& g);  // resourceDisplay, every frame

}  // namespace kr
