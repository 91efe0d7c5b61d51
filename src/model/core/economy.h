// The economy tick and the resource display.
#pragma once

namespace kr {

class Game;

void economyTick(Game& g);          // Timer1, every 500 ms
void resourceDisplayTick(Game& g);  // Timer8, every frame

}  // namespace kr
