// Loading the battlefield window: level setup, layout, enemy headquarters.
#include "model/core/level_setup.h"

#include <algorithm>
#include <cmath>

#include "model/battlefield/navigation.h"
#include "model/bot/bot.h"
#include "model/comm/network.h"
#include "model/comm/windows.h"
#include "model/core/building_kinds.h"
#include "model/core/economy.h"
#include "model/core/levels.h"
#include "model/core/placement.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/shell/main_menu.h"
#include "model/texts.h"

namespace kr {

namespace {

// Adds or takes the pull-back at the far edge for one coordinate.
float enemyHqCoordinate(float d, float farPullBack) {
  float c = d < 0.3f ? d * 18000.0f : d * 10000.0f - 4200.0f;
  if (d > 0.3f && d < 0.6f) c = d * 10000.0f;
  if (d > 0.6f) c = d * 10000.0f - 4200.0f;
  if (c < 1000.0f) c += 1600.0f;
  if (c > kMapWidth - 500.0f) c -= farPullBack;
  return c;
}

// The stocks, the counters, the object table and the item in hand as a mission starts
// them: only the headquarters stands.
void resetWorld(Battlefield& f) {
  f.buildKind = Building::kNone;
  f.workingCounts.fill(0);
  f.energy = 1500;
  f.metal = 1500;
  f.wood = 1500;
  f.health.assign(kSlots, 0.0);
  f.health[0] = 100;
  f.powered.assign(kSlots, Power::kUnset);
  for (int i = 1; i <= kLastSlot; ++i) {
    f.objects[i].shown = false;
    f.markers[i].shown = false;
    f.powered[i] = Power::kOn;
    f.health[i] = 100;
  }
  f.lastOrderedSlot = 0;
  f.itemInHand = false;
  f.placementPending = false;
  f.locatorBuilt = false;
  f.locatorActive = false;
  f.constructionTotal = 100;
  f.healthMax = 100;
}

// The minimap works in map coordinates; its view frame is the part of the map on screen,
// at the map's top-left corner. The palette opens on page 1.
void resetView(Battlefield& f) {
  f.markers[0].left = f.objects[0].left;
  f.markers[0].top = f.objects[0].top;
  f.minimapPicture.width = kMapWidth;
  f.minimapPicture.height = kMapHeight;
  scrollViewTo(f, 0, 0);
  f.palettePage = 1;
}

// The enemy headquarters, shown at a random place, and the bot's first step.
void placeEnemyHeadquarters(Game& g, Battlefield& f) {
  MapObject& hq = f.objects[kEnemyHq];
  hq.shown = true;
  const float x = g.platform.random();
  const float y = g.platform.random();
  hq.left = enemyHqLeft(x);
  hq.top = enemyHqTop(y);
  f.markers[kEnemyHq] = Marker{hq.left, hq.top, true};
  g.enemyBuildStep = 1;
}

}  // namespace

float enemyHqLeft(float d) { return enemyHqCoordinate(d, 1500.0f); }
float enemyHqTop(float d) { return enemyHqCoordinate(d, 2000.0f); }

void battlefieldLoad(Game& g) { levelSetup(g); }

void battlefieldUnload(Game& g) {
  g.playCue(cue::kWhoosh);
  g.unload<Notepad>();
  closeSockets(g);
}

bool inspectionUnderMinimap(const Game& g) {
  const Battlefield& f = g.battlefield();
  // Under the resources frame the inspection frame reaches down to the screen's bottom.
  const float height =
      static_cast<float>(g.fullScreenHeight) - f.buildFrame.height - Battlefield::kResourcesHeight;
  return height < f.powerSwitch.bottom();
}

void layoutBattlefield(Game& g) {
  Battlefield& f = g.battlefield();
  const float sw = static_cast<float>(g.screenWidth);
  const float sh = static_cast<float>(g.screenHeight);
  const float fullH = static_cast<float>(g.fullScreenHeight);
  f.minimapFrame.left = sw - f.minimapFrame.width;
  f.buildFrame.left = sw - f.buildFrame.width - f.minimapFrame.width;
  f.resourcesFrame.left = f.buildFrame.left;
  if (inspectionUnderMinimap(g)) {
    // The column under the minimap is free: the inspection frame stands there whole, and
    // the resources frame ends at the window's bottom edge.
    f.inspectionFrame.left =
        f.minimapFrame.left + (f.minimapFrame.width - f.inspectionFrame.width) / 2;
    f.inspectionFrame.top = f.minimap.bottom() + 8;
    f.inspectionFrame.height = Battlefield::kInspectionHeight;
    f.resourcesFrame.height = std::min(Battlefield::kResourcesHeight, fullH - f.resourcesFrame.top);
  } else {
    f.resourcesFrame.height = Battlefield::kResourcesHeight;
    f.inspectionFrame.left = f.buildFrame.left;
    f.inspectionFrame.top = Battlefield::kInspectionTop;
    f.inspectionFrame.height = fullH - f.buildFrame.height - f.resourcesFrame.height;
  }
  f.chatLine.top = fullH - f.chatLine.height;
  f.chatBox.top = sh - f.chatBox.height - f.chatLine.height;
  f.chatLine.width = sw - f.buildFrame.width - f.minimapFrame.width - f.chatLine.left;
  f.chatBox.width = sw - f.buildFrame.width - f.minimapFrame.width - f.chatBox.left;
  // The minimap's frame is the part of the map the strip left of the panels shows.
  f.viewFrame.height = sh;
  f.viewFrame.width = sw - f.resourcesFrame.width - f.minimapFrame.width;
}

void battlefieldScreenChanged(Game& g) {
  layoutBattlefield(g);
  // A larger window brings the far limits of edge scrolling nearer: a view beyond them comes
  // back to where edge scrolling would have stopped, the first step at or past the limit.
  Battlefield& f = g.battlefield();
  const ScrollLimit limit = scrollLimit(g);
  const auto furthest = [](float limit) {
    return limit <= 0 ? 0.0f : std::ceil(limit / kScrollStep) * kScrollStep;
  };
  const float x = std::min(f.viewX, furthest(limit.x));
  const float y = std::min(f.viewY, furthest(limit.y));
  if (x != f.viewX || y != f.viewY) scrollViewTo(f, x, y);
}

void levelSetup(Game& g) {
  Battlefield& f = g.battlefield();
  Platform& p = g.platform;
  const Level& level = levelRules(g.levelNumber);
  g.clock.setEnabled(kEconomyTimer, false);

  p.seedRandom(p.defaultSeed());
  p.seedRandom(p.secondsSinceMidnight());

  mapClick(g);
  f.tankOrderPanel.visible = false;
  f.mapSurface.width = kMapWidth;
  f.mapSurface.height = kMapHeight;

  // The bot's first turn comes 10 to 20 s after it starts, whether it starts or not.
  const float r = p.random();
  g.clock.setInterval(
      kBotTimer,
      std::chrono::milliseconds(static_cast<int>(std::nearbyint((r * 10.0f + 10.0f) * 1000.0f))));
  if (level.botStartsWithMission) g.clock.setEnabled(kBotTimer, true);

  resetView(f);
  if (level.goal) g.missionGoalText = level.goal;
  if (!level.unlocksPalette) {
    for (const BuildingKind& kind : kBuildingKinds)
      if (kind.palette.hiddenAtStart) f.paletteButton(kind.kind).visible = false;
  }
  g.developerMode = false;

  makeTranslucent(g, 200);
  g.musicPath = g.soundFile(cue::kMusic);
  f.window.enabled = true;

  resetWorld(f);
  layoutBattlefield(g);
  if (level.enemy) placeEnemyHeadquarters(g, f);
}

}  // namespace kr
