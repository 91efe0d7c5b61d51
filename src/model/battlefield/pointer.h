// Mouse input on bare ground of the map: selection rectangle, move orders, the ghost.
#pragma once

namespace kr {

class Game;
struct Battlefield;

// Positions are map pixels; button 1 is left, 2 right.
void mapMouseDown(Game& g, int button, float x, float y);
void mapMouseMove(Game& g, int button, float x, float y);
void mapMouseUp(Game& g, int button, float x, float y);
// The player's left click on bare ground: it runs the map click (see mapClick).
void groundClick(Game& g);
void orderMove(Game& g);

// The slot of the item that follows the pointer, or -1.
int slotInHand(const Battlefield& f);
// The layer a shown object is drawn in, bottom to top; within a layer, slot order.
enum class MapLayer { Buildings, Tanks, InHand };
MapLayer mapLayer(const Battlefield& f, int slot);
// The shown object that takes a mouse event at a map point: the topmost one drawn there,
// or -1 for bare ground. The item in hand lets the pointer through.
int objectAt(const Battlefield& f, float x, float y);

}  // namespace kr
