// The construction tick (the bar, the blinking label, the finished item) and the bars.
#include "model/core/construction.h"

#include "model/core/building_kinds.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"

namespace kr {

namespace {

// A finished tank goes straight under the tank factory last inspected.
void rollOutOfFactory(Game& g, const BuildingKind& kind) {
  Battlefield& f = g.battlefield();
  f.readyIcon.visible = false;
  const MapObject& factory = f.objects[static_cast<std::size_t>(g.factorySlot)];
  MapObject& tank = f.objects[static_cast<std::size_t>(f.lastOrderedSlot)];
  tank.left = factory.left;
  tank.top = factory.top + factory.height;
  tank.picture = kind.rollOutPicture;
  tank.kind = kind.kind;
  tank.border = 0;
  tank.shown = true;
  f.markers[static_cast<std::size_t>(f.lastOrderedSlot)] = Marker{tank.left, tank.top, true};
  f.objectChanged(f.lastOrderedSlot);
  enablePalette(g, true);
}

}  // namespace

void constructionTick(Game& g) {
  Battlefield& f = g.battlefield();
  f.placementPending = false;
  f.constructionBar.visible = true;
  f.constructionBarFrame.visible = true;
  f.constructionLabel.visible = !f.constructionLabel.visible;
  enablePalette(g, false);
  f.constructionTotal = static_cast<std::int16_t>(f.constructionTicks);
  const auto time = static_cast<float>(f.constructionTicks);
  if (f.constructionProgress < time) f.constructionProgress += 1;
  if (f.constructionProgress < time) return;

  f.constructionBar.visible = false;
  f.constructionBarFrame.visible = false;
  f.constructionLabel.visible = false;
  f.readyIcon.visible = true;
  f.constructionProgress = 0;
  g.clock.setEnabled(kConstructionTimer, false);
  g.playCue(cue::kWhoosh);
  const BuildingKind* kind = kindAt(f.buildKind);
  if (kind && *kind->rollOutPicture) rollOutOfFactory(g, *kind);
}

void barsTick(Game& g) {
  Battlefield& f = g.battlefield();
  f.progressScale = f.constructionBarFrame.width / static_cast<float>(f.constructionTotal);
  if (f.constructionProgress <= static_cast<float>(f.constructionTotal))
    f.constructionBar.width = f.progressScale * f.constructionProgress;
  f.healthScale = f.healthBarFrame.width / static_cast<float>(f.healthMax);
  if (f.selectedHealth <= static_cast<float>(f.healthMax))
    f.healthBar.width = f.healthScale * f.selectedHealth;
}

// Due at the same moment, construction moves on before the bars show it.
const WindowTimer<Battlefield> kConstructionTimer({
    .name = "construction",
    .interval = 100ms,
    .place = 3,
    .tick = constructionTick,
});

const WindowTimer<Battlefield> kBarsTimer({
    .name = "bars",
    .interval = 10ms,
    .place = 9,
    .startsRunning = true,
    .display = true,
    .tick = barsTick,
});

}  // namespace kr
