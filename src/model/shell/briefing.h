// The briefing and loading screen.
#pragma once

#include <string>

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Briefing;

void briefingLoad(Game& g);
void briefingScreenChanged(Game& g);  // the controls laid out again for the screen's new size
void typewriterTick(Game& g);         // types the next letter of the briefing
void progressTick(Game& g);           // the progress display follows the loading pass
void loadingTick(Game& g);            // paints the next terrain tile
void pauseOverTick(Game& g);          // the sentence pause has run out
void loadClick(Game& g);              // "Загрузить"
void nickChange(Game& g, const std::string& text);  // the player edits the nickname box
void startClick(Game& g);                           // "Начать"
void quitClick(Game& g);                            // "Выйти"

// The briefing screen's timers: the typewriter, a letter every 80 ms; the progress display,
// every 50 ms; the loading pass, a terrain tile as fast as the platform's timer goes; the
// pause after a sentence, 500 ms.
extern const WindowTimer<Briefing> kTypewriterTimer;
extern const WindowTimer<Briefing> kProgressTimer;
extern const WindowTimer<Briefing> kLoadingTimer;
extern const WindowTimer<Briefing> kSentencePauseTimer;

}  // namespace kr
