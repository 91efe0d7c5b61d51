// The black curtain in front of the minimap.
#pragma once

namespace kr {

class Game;

void curtainTick(Game& g);   // curtain, every frame
void closeCurtain(Game& g);  // full size and shown

}  // namespace kr
