// The build palette: orders, paging, the arrows' pressed look, taking the finished item.
#pragma once

#include "model/core/building.h"

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds a pressed page arrow keeps its pressed look.
inline constexpr int kArrowReleaseDelay = 150;

void orderItem(Game& g, Building item);  // the item's palette button pressed
void nextPageClick(Game& g);
void previousPageClick(Game& g);
void arrowReleaseTick(Game& g);  // releases the pressed page arrows
void takeItem(Game& g);          // the ready icon clicked
// Enables or disables every palette button.
void enablePalette(Game& g, bool enabled);
// The timer that releases the pressed page arrows; a click on an arrow starts it.
void registerArrowReleaseTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
