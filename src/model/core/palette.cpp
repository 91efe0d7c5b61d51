// Not yet built: empty handlers so that the game links.
#include "model/core/palette.h"

#include "model/game.h"

namespace kr {

const PaletteItem& paletteItem(int) { static const PaletteItem none{"", 0, 0, 0, 0}; return none; }
void orderItem(Game&, int) {}
void buildDaleeClick(Game&) {}
void buildNaZadClick(Game&) {}
void arrowReleaseTick(Game&) {}
void takeItem(Game&) {}

}  // namespace kr
