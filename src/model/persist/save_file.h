// The saved game.
#pragma once

namespace kr {

class Game;

void saveClick(Game& g);  // "Сохранить" of the in-game menu
void zagr(Game& g);       // the loader of the main menu window

}  // namespace kr
