// Construction progress and the two bars.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds of one construction tick; an item's price counts its time in these ticks.
inline constexpr int kConstructionInterval = 100;
// The construction bar and the health bar follow their values this often.
inline constexpr int kBarsInterval = 10;

void constructionTick(Game& g);
void barsTick(Game& g);
// The construction timer, running while an order is built, and the bars' timer.
void registerConstructionTimer(Game& g, BattlefieldTimers& timers);
void registerBarsTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
