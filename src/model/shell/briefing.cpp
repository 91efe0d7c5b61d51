// Not yet built: empty handlers so that the game links.
#include "model/shell/briefing.h"

#include "model/game.h"

namespace kr {

void form2Load(Game&) {}
void typewriterTick(Game&) {}
void progressTick(Game&) {}
void loadingTick(Game&) {}
void pauseOverTick(Game&) {}
void loadClick(Game&) {}
void startClick(Game&) {}
void quitClick(Game&) {}

}  // namespace kr
