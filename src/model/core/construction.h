// Construction progress and the two bars.
#pragma once

namespace kr {

class Game;

void constructionTick(Game& g);  // Timer5, every 100 ms
void barsTick(Game& g);          // BarTimer, every 10 ms

}  // namespace kr
