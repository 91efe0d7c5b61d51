// The build palette: orders, paging and taking the finished item in hand.
#include "model/core/palette.h"

#include "model/core/building_kinds.h"
#include "model/core/construction.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

namespace {

// Presses one of the page arrows: the pressed look until arrowRelease releases it.
void pressArrow(Game& g, Control& arrow) {
  arrow.border = 1;
  g.clock.setEnabled(kArrowReleaseTimer, true);
}

// A palette button: it lies straight in the build frame, on page 2 or in the tank order
// panel, as its row says.
bool canClickPaletteButton(Game& g, Building kind) {
  if (!onPalette(kind) || !canClick(g, &Battlefield::buildFrame)) return false;
  const Battlefield& f = g.battlefield();
  const PalettePlace place = kindOf(kind).palette.place;
  if (place == PalettePlace::kPageTwo && !usable(f.secondPage)) return false;
  if (place == PalettePlace::kTankOrders && !usable(f.tankOrderPanel)) return false;
  return usable(f.paletteButton(kind));
}

}  // namespace

void enablePalette(Game& g, bool enabled) {
  for (Control& b : g.battlefield().paletteButtons) b.enabled = enabled;
}

void orderItem(Game& g, Building item) {
  if (!canClickPaletteButton(g, item)) return;
  Battlefield& f = g.battlefield();
  f.constructionProgress = 0;
  f.itemInHand = false;

  // Developer mode: free and at once in hand, within the player's slots like any order.
  if (g.developerMode && f.lastOrderedSlot < kLastPlayerSlot) {
    f.lastOrderedSlot += 1;
    f.buildKind = item;
    f.placementPending = true;
    f.itemInHand = true;
    return;
  }

  f.constructionProgress = 0;
  f.buildKind = Building::kNone;
  if (f.lastOrderedSlot >= kLastPlayerSlot) return;

  const BuildingKind& kind = kindOf(item);
  const Resources& price = kind.price;
  if (f.energy >= price.energy && f.metal >= price.metal &&
      f.wood >= static_cast<float>(price.wood)) {
    g.clock.setEnabled(kConstructionTimer, true);
    f.constructionTicks = kind.buildTicks;
    f.buildKind = item;
    f.energy -= price.energy;
    f.metal -= price.metal;
    f.wood -= static_cast<float>(price.wood);
    f.lastOrderedSlot += 1;
    fitSlot(f.objects[static_cast<std::size_t>(f.lastOrderedSlot)], kind.footprint);
    f.objectChanged(f.lastOrderedSlot);
    g.playCue(cue::kOrderTaken);
  } else {
    g.playCue(cue::kRefused);
  }
}

void nextPageClick(Game& g) {
  if (!canClick(g, &Battlefield::nextPageArrow, &Battlefield::buildFrame)) return;
  Battlefield& f = g.battlefield();
  const int was = f.palettePage;
  f.palettePage += 1;
  if (was == 1) f.secondPage.visible = true;
  if (f.palettePage == 3) {
    f.secondPage.visible = false;
    f.palettePage = 1;
  }
  pressArrow(g, f.nextPageArrow);
}

void previousPageClick(Game& g) {
  if (!canClick(g, &Battlefield::previousPageArrow, &Battlefield::buildFrame)) return;
  Battlefield& f = g.battlefield();
  const int was = f.palettePage;
  f.palettePage -= 1;
  if (was == 2) f.secondPage.visible = false;
  if (f.palettePage == 0) {
    f.secondPage.visible = true;
    f.palettePage = 2;
  }
  pressArrow(g, f.previousPageArrow);
}

void arrowReleaseTick(Game& g) {
  Battlefield& f = g.battlefield();
  if (f.nextPageArrow.border) f.nextPageArrow.border = 0;
  if (f.previousPageArrow.border) f.previousPageArrow.border = 0;
  g.clock.setEnabled(kArrowReleaseTimer, false);
}

void takeItem(Game& g) {
  if (!canClick(g, &Battlefield::readyIcon, &Battlefield::buildFrame)) return;
  Battlefield& f = g.battlefield();
  f.readyIcon.visible = false;
  f.placementPending = true;
  f.itemInHand = true;
  g.playCue(cue::kClick);
}

const WindowTimer<Battlefield> kArrowReleaseTimer({
    .name = "arrowRelease",
    .interval = 150ms,
    .place = 10,
    .tick = arrowReleaseTick,
});

}  // namespace kr
