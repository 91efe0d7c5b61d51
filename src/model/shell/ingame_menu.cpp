// Not yet built: empty handlers so that the game links.
#include "model/shell/ingame_menu.h"

#include "model/game.h"

namespace kr {

void form3Load(Game&) {}
void menuKeyDown(Game&, int) {}
void restartClick(Game&) {}
void menuLoadClick(Game&) {}
void notePadClick(Game&) {}
void menuExitClick(Game&) {}

}  // namespace kr
