// Mouse input on bare ground of the map: selection rectangle, move orders, the ghost.
#pragma once

namespace kr {

class Game;

// Positions are map pixels; button 1 is left, 2 right.
void mapMouseDown(Game& g, int button, float x, float y);
void mapMouseMove(Game& g, int button, float x, float y);
void mapMouseUp(Game& g, int button, float x, float y);
void orderMove(Game& g);

}  // namespace kr
