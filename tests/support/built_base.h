// Bases for the tests and benchmarks: the terrain of a level painted whole, buildings as
// the map shows them, and a mission with 280 buildings (or as many as asked, up to 300) of
// every counted kind put down in a grid near the headquarters, counted as working.
#pragma once

#include "model/core/building_kinds.h"
#include "model/core/counters.h"
#include "model/core/economy.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"

namespace kr::test {

// The level's terrain tiled over the whole map, as the loading pass leaves it.
inline void paintTerrain(Battlefield& f, int level) {
  const TerrainTile tile = levelRules(level).terrain;
  f.terrainTile = tile.name;
  const int tileW = static_cast<int>(tile.width);
  const int tileH = static_cast<int>(tile.height);
  for (int y = 0; y < 6000; y += tileH)
    for (int x = 0; x < 6000; x += tileW) f.terrainTiles.push_back({x, y});
}

// A building of the kind, shown and sized as it is built, in the picture of an animation
// phase (1 or 2); at 0, 0.
inline MapObject standingBuilding(Building kind, int phase = 1) {
  const BuildingKind& k = kindOf(kind);
  MapObject o;
  o.kind = kind;
  fitSlot(o, k.footprint);
  o.picture = !k.frames.phase1 ? k.picture : phase == 2 ? k.frames.phase2 : k.frames.phase1;
  o.shown = true;
  return o;
}

inline void builtUpBase(Game& g, int level, int buildings = 280) {
  g.load<MainMenu>();
  g.unload<MainMenu>();
  g.levelNumber = static_cast<std::int16_t>(level);
  Battlefield& f = g.load<Battlefield>();
  paintTerrain(f, level);
  f.minimapPictureReady = true;

  // Every counted kind in turn, each in the first picture the animation gives it.
  const Building kinds[] = {Building::kAccumulator, Building::kMetalWorks, Building::kWoodWorks,
                            Building::kTankFactory, Building::kConverter};
  for (int i = 1; i <= buildings; ++i) {
    const BuildingKind& k = kindOf(kinds[i % 5]);
    MapObject& o = f.objects[static_cast<std::size_t>(i)];
    o.kind = k.kind;
    o.picture = k.frames.phase1 ? k.frames.phase1 : k.picture;
    o.left = static_cast<float>(150 + (i % 20) * 60);
    o.top = static_cast<float>(150 + (i / 20) * 60);
    o.shown = true;
    f.markers[static_cast<std::size_t>(i)] = {o.left, o.top, true};
    countBuilding(f, k, 1);
  }
  f.lastOrderedSlot = buildings;
  g.clock.setEnabled(kEconomyTimer, true);
  f.window.visible = true;
}

}  // namespace kr::test
