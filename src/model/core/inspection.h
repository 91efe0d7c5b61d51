// Clicking a map object and the power switch.
#pragma once

namespace kr {

class Game;

void objectClick(Game& g, int slot);
void powerSwitchClick(Game& g);

}  // namespace kr
