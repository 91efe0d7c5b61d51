// The build palette: prices, orders, paging and taking the finished item in hand.
#include "model/core/palette.h"

#include <array>

#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

namespace {

// Prices and construction times, in palette order.
const std::array<PaletteItem, kPaletteItems> kItems{{
    {"elek", 300, 200, 50, 10},
    {"meta", 800, 700, 150, 50, 1.3f, 1.2f},
    {"dere", 200, 150, 50, 20},
    {"loca", 1400, 1500, 100, 25, 1.5f, 1.5f},
    {"taza", 5000, 3500, 500, 250, 3.0f, 3.0f},
    {"tank", 2000, 3000, 200, 50, 1, 1, 40, 92},
    {"konv", 800, 300, 150, 180, 0.8f, 0.8f},
}};

void sizeSlot(MapObject& slot, const PaletteItem& item) {
  if (item.width != 0) {
    slot.width = item.width;
    slot.height = item.height;
  } else {
    slot.width *= item.widthScale;
    slot.height *= item.heightScale;
  }
}

// Presses one of the page arrows: the pressed look until arrowRelease releases it.
void pressArrow(Game& g, Control& arrow) {
  arrow.border = 1;
  g.clock.setEnabled(g.battlefield().timers.arrowRelease, true);
}

}  // namespace

const PaletteItem& paletteItem(int index) {
  return kItems.at(static_cast<std::size_t>(index));
}

void enablePalette(Game& g, bool enabled) {
  for (Control& b : g.battlefield().paletteButtons) b.enabled = enabled;
}

void orderItem(Game& g, int index) {
  if (!canClickPaletteButton(g, index)) return;
  Battlefield& f = g.battlefield();
  f.constructionProgress = 0;
  f.itemInHand = false;

  // Developer mode: free and at once in hand, within the player's slots like any order.
  if (g.developerMode && f.lastOrderedSlot < kLastPlayerSlot) {
    f.lastOrderedSlot += 1;
    f.buildKind = index;
    f.placementPending = true;
    f.itemInHand = true;
    return;
  }

  f.constructionProgress = 0;
  f.buildKind = -1;
  if (f.lastOrderedSlot >= kLastPlayerSlot) return;

  const PaletteItem& item = paletteItem(index);
  if (f.energy >= item.energy && f.metal >= item.metal && f.wood >= static_cast<float>(item.wood)) {
    g.clock.setEnabled(f.timers.construction, true);
    f.constructionTicks = item.ticks;
    f.buildKind = index;
    f.energy -= item.energy;
    f.metal -= item.metal;
    f.wood -= static_cast<float>(item.wood);
    f.lastOrderedSlot += 1;
    sizeSlot(f.objects[static_cast<std::size_t>(f.lastOrderedSlot)], item);
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
  g.clock.setEnabled(f.timers.arrowRelease, false);
}

void takeItem(Game& g) {
  if (!canClick(g, &Battlefield::readyIcon, &Battlefield::buildFrame)) return;
  Battlefield& f = g.battlefield();
  f.readyIcon.visible = false;
  f.placementPending = true;
  f.itemInHand = true;
  g.playCue(cue::kClick);
}

void registerArrowReleaseTimer(Game& g, BattlefieldTimers& timers) {
  timers.arrowRelease =
      g.clock.add("arrowRelease", kArrowReleaseDelay, false, [&g] { arrowReleaseTick(g); });
}

}  // namespace kr
