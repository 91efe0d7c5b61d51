// The briefing and loading screen.
#pragma once

namespace kr {

class Game;

void form2Load(Game& g);
void typewriterTick(Game& g);  // TextTmr, 80 ms
void progressTick(Game& g);    // Timer1 of the briefing, 50 ms
void loadingTick(Game& g);     // LoadingTmr, one frame
void pauseOverTick(Game& g);   // the sentence pause has run out
void loadClick(Game& g);       // "Загрузить"
void startClick(Game& g);      // "Начать"
void quitClick(Game& g);       // "Выйти"

}  // namespace kr
