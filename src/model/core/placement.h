// Putting the item in hand down on free ground.
#pragma once

namespace kr {

class Game;
struct MapObject;

// True when slot o blocks item l (the eleven conditions, all strict).
bool freeGroundTest(const MapObject& l, const MapObject& o);
// A click on bare ground of the map.
void mapClick(Game& g);

}  // namespace kr
