// The briefing and loading screen.
#pragma once

#include <string>

namespace kr {

class Game;

void briefingLoad(Game& g);
void typewriterTick(Game& g);                       // types the next letter of the briefing
void progressTick(Game& g);                         // the progress display follows the loading pass
void loadingTick(Game& g);                          // paints the next terrain tile
void pauseOverTick(Game& g);                        // the sentence pause has run out
void loadClick(Game& g);                            // "Загрузить"
void nickChange(Game& g, const std::string& text);  // the player edits the nickname box
void startClick(Game& g);                           // "Начать"
void quitClick(Game& g);                            // "Выйти"

}  // namespace kr
