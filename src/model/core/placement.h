// Putting the item in hand down on free ground.
#pragma once

namespace kr {

class Game;
struct MapObject;

// True when slot o blocks item l (the eleven conditions, all strict).
bool freeGroundTest(const MapObject& l, const MapObject& o);
// A click on bare ground of the map: the player's (see groundClick) or level setup's.
void mapClick(Game& g);
// The picture the item of a palette index takes when it is put down; empty for none.
const char* placedPicture(int buildKind);

}  // namespace kr
