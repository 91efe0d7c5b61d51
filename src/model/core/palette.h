// The build palette: orders, paging, the arrows' pressed look, taking the finished item.
#pragma once

#include "model/clock/timer_rule.h"
#include "model/core/building.h"

namespace kr {

class Game;
struct Battlefield;

void orderItem(Game& g, Building item);  // the item's palette button pressed
void nextPageClick(Game& g);
void previousPageClick(Game& g);
void arrowReleaseTick(Game& g);  // releases the pressed page arrows
void takeItem(Game& g);          // the ready icon clicked
// Enables or disables every palette button.
void enablePalette(Game& g, bool enabled);
// The timer that releases the pressed page arrows, 150 ms after a click on one started it.
extern const WindowTimer<Battlefield> kArrowReleaseTimer;

}  // namespace kr
