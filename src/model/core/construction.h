// Construction progress and the two bars.
#pragma once

namespace kr {

class Game;

void constructionTick(Game& g);  // construction, every 100 ms
void barsTick(Game& g);          // bars, every 10 ms

}  // namespace kr
