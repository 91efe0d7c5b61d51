// Factories blinking between their two pictures.
#pragma once

namespace kr {

class Game;

void animationTick(Game& g, int phase);  // phase 1: animationPhase1, phase 2: animationPhase2

}  // namespace kr
