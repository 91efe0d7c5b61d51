// Putting the item in hand down on free ground.
#pragma once

#include "model/core/building.h"

namespace kr {

class Game;
struct BuildingKind;
struct MapObject;

// True when slot o blocks item l (the eleven conditions, all strict).
bool freeGroundTest(const MapObject& l, const MapObject& o);
// Slot l, where it stands, becomes a building of the kind: counted, with its cue and what it
// unlocks. The map click does it when the item in hand goes down.
void putBuildingDown(Game& g, int l, const BuildingKind& kind);
// A click on bare ground of the map: the player's (see groundClick) or level setup's.
void mapClick(Game& g);
// The picture the item of a palette index takes when it is put down; empty for none.
const char* placedPicture(Building buildKind);

}  // namespace kr
