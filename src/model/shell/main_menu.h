// Start-up, the main menu, the about box and the backdrop.
#pragma once

namespace kr {

class Game;

void startUp(Game& g);  // the program opens its main menu
void mainMenuLoad(Game& g);
void newGameClick(Game& g);      // "Начать новую одиночную игру"
void loadGameClick(Game& g);     // "Загрузить игру"
void networkGameClick(Game& g);  // "Начать сетевую игру"
void exitClick(Game& g);         // "Выход"
void mainMenuClose(Game& g);     // the whoosh, and the program ends
void aboutClick(Game& g);        // "About"
void aboutOkClick(Game& g);      // "OK" of the about box
void aboutClose(Game& g);        // the about box's close box
// The game's window closed from the desktop (Alt+F4, the task bar): the program ends at
// once, as a confirmed "Выход" of the in-game menu ends it, whichever screen is up.
void gameWindowClosed(Game& g);
// The screen changed its size (the desktop gave the game's window another one, or the
// player switched between the maximised and the ordinary window): the screen size is read
// again and every loaded screen lays itself out for it by its own rules. Stocks, timers and
// the map stay as they are.
void screenChanged(Game& g);
void backdropLoad(Game& g);
// Makes a window translucent at alpha of 255 (the backdrop).
void makeTranslucent(Game& g, int alpha);

}  // namespace kr
