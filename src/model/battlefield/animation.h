// Factories blinking between their two pictures.
#pragma once

namespace kr {

class Game;

void animationTick(Game& g, int phase);  // phase 1: Timer2, phase 2: Timer3

}  // namespace kr
