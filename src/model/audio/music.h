// The music switches of the in-game menu.
#pragma once

namespace kr {

class Game;

void musicSwitchClick(Game& g);  // Form3.Command3
void trackSwitchClick(Game& g);  // Form3.Command4

}  // namespace kr
