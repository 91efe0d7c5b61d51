// The briefing and loading screen.
#pragma once

#include <string>

namespace kr {

class Game;

void briefingLoad(Game& g);
void typewriterTick(Game& g);  // typewriter, 80 ms
void progressTick(Game& g);    // every 50 ms
void loadingTick(Game& g);     // loading, one frame
void pauseOverTick(Game& g);   // the sentence pause has run out
void loadClick(Game& g);       // "Загрузить"
void nickChange(Game& g, const std::string& text);  // the player edits the nickname box
void startClick(Game& g);      // "Начать"
void quitClick(Game& g);       // "Выйти"

}  // namespace kr
