// The music switches of the in-game menu.
#pragma once

namespace kr {

class Game;

void musicSwitchClick(Game& g);  // "Выключить музыку" of the game menu
void trackSwitchClick(Game& g);  // "Rammstein!" of the game menu

}  // namespace kr
