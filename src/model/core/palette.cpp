// The build palette: prices, orders, paging and taking the finished item in hand.
#include "model/core/palette.h"

#include <array>

#include "model/game.h"

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

// Presses one of the page arrows: the pressed look until BuildKnopka releases it.
void pressArrow(Game& g, Control& arrow) {
  arrow.border = 1;
  g.clock.setEnabled(g.form1().timers.BuildKnopka, true);
}

}  // namespace

const PaletteItem& paletteItem(int index) {
  return kItems.at(static_cast<std::size_t>(index));
}

void enablePalette(Game& g, bool enabled) {
  for (Control& b : g.form1().build) b.enabled = enabled;
}

void orderItem(Game& g, int index) {
  if (index < 0 || index >= kPaletteItems) return;
  Form1& f = g.form1();
  f.ConstructionProgress = 0;
  f.ItemInHand = false;

  // Developer mode: free and at once in hand, within the player's slots like any order.
  if (g.DeveloperMode && f.LastSlot < kLastPlayerSlot) {
    f.LastSlot += 1;
    f.BuildKind = index;
    f.PlacementPending = true;
    f.ItemInHand = true;
    return;
  }

  f.ConstructionProgress = 0;
  f.BuildKind = -1;
  if (f.LastSlot >= kLastPlayerSlot) return;

  const PaletteItem& item = paletteItem(index);
  if (f.Energy >= item.energy && f.Metal >= item.metal && f.Wood >= static_cast<float>(item.wood)) {
    g.clock.setEnabled(f.timers.Timer5, true);
    f.ConstructionTime = item.ticks;
    f.BuildKind = index;
    f.Energy -= item.energy;
    f.Metal -= item.metal;
    f.Wood -= static_cast<float>(item.wood);
    f.LastSlot += 1;
    sizeSlot(f.Baza[static_cast<std::size_t>(f.LastSlot)], item);
    g.playCue("building.smus");
  } else {
    g.playCue("Ass.smus");
  }
}

void buildDaleeClick(Game& g) {
  Form1& f = g.form1();
  const int was = f.PalettePage;
  f.PalettePage += 1;
  if (was == 1) f.Bui.visible = true;
  if (f.PalettePage == 3) {
    f.Bui.visible = false;
    f.PalettePage = 1;
  }
  pressArrow(g, f.BuildDalee);
}

void buildNaZadClick(Game& g) {
  Form1& f = g.form1();
  const int was = f.PalettePage;
  f.PalettePage -= 1;
  if (was == 2) f.Bui.visible = false;
  if (f.PalettePage == 0) {
    f.Bui.visible = true;
    f.PalettePage = 2;
  }
  pressArrow(g, f.BuildNaZad);
}

void arrowReleaseTick(Game& g) {
  Form1& f = g.form1();
  if (f.BuildDalee.border) f.BuildDalee.border = 0;
  if (f.BuildNaZad.border) f.BuildNaZad.border = 0;
  g.clock.setEnabled(f.timers.BuildKnopka, false);
}

void takeItem(Game& g) {
  Form1& f = g.form1();
  f.building.visible = false;
  f.PlacementPending = true;
  f.ItemInHand = true;
  g.playCue("Click.smus");
}

}  // namespace kr
