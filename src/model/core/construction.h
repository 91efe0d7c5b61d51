// Construction progress and the two bars.
#pragma once

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

void constructionTick(Game& g);
void barsTick(Game& g);
// The construction timer, running while an order is built: one tick every 100 ms, in which
// an item's price counts its time.
extern const WindowTimer<Battlefield> kConstructionTimer;
// The construction bar and the health bar follow their values every 10 ms.
extern const WindowTimer<Battlefield> kBarsTimer;

}  // namespace kr
