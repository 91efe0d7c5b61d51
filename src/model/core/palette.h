// The build palette: orders, paging, the arrows' pressed look, taking the finished item.
#pragma once

#include "model/core/building_kinds.h"

namespace kr {

class Game;

void orderItem(Game& g, int index);  // palette button build(index) pressed
void nextPageClick(Game& g);
void previousPageClick(Game& g);
void arrowReleaseTick(Game& g);  // arrowRelease
void takeItem(Game& g);          // the ready icon clicked
// Enables or disables every palette button build(0) to build(6).
void enablePalette(Game& g, bool enabled);

}  // namespace kr
