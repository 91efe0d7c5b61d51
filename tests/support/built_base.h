// A mission with its terrain painted and 280 buildings (or as many as asked, up to 300) of
// every kind put down in a grid near the headquarters, counted as working: the benchmarks'
// battlefield.
#pragma once

#include "model/core/building_kinds.h"
#include "model/core/counters.h"
#include "model/game.h"

namespace kr::test {

inline void builtUpBase(Game& g, int level, int buildings = 280) {
  g.load<MainMenu>();
  g.unload<MainMenu>();
  g.levelNumber = static_cast<std::int16_t>(level);
  Battlefield& f = g.load<Battlefield>();
  f.terrainTile = level == 1 ? "Piclevel1" : "Piclevel2";
  const int tileW = level == 1 ? 1600 : 600;
  const int tileH = level == 1 ? 1200 : 600;
  for (int y = 0; y < 6000; y += tileH)
    for (int x = 0; x < 6000; x += tileW) f.terrainTiles.push_back({x, y});
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
  g.clock.setEnabled(f.timers.economy, true);
  f.window.visible = true;
}

}  // namespace kr::test
