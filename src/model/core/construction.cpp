// The construction tick (the bar, the blinking label, the finished item) and the bars.
#include "model/core/construction.h"

#include "model/core/palette.h"
#include "model/game.h"

namespace kr {

namespace {

// A finished tank goes straight under the tank factory last inspected.
void putTankBelowFactory(Game& g) {
  Form1& f = g.form1();
  f.building.visible = false;
  const MapObject& factory = f.Baza[static_cast<std::size_t>(g.FactorySlot)];
  MapObject& tank = f.Baza[static_cast<std::size_t>(f.LastSlot)];
  tank.left = factory.left;
  tank.top = factory.top + factory.height;
  tank.picture = "tankvverh";
  tank.tag = "tank";
  tank.border = 0;
  tank.shown = true;
  f.BazaMap[static_cast<std::size_t>(f.LastSlot)] = Marker{tank.left, tank.top, true};
  enablePalette(g, true);
}

}  // namespace

void constructionTick(Game& g) {
  Form1& f = g.form1();
  f.PlacementPending = false;
  f.PrBar.visible = true;
  f.ObBar.visible = true;
  f.StroyLbl.visible = !f.StroyLbl.visible;
  enablePalette(g, false);
  f.ConstructionTotal = static_cast<std::int16_t>(f.ConstructionTime);
  const auto time = static_cast<float>(f.ConstructionTime);
  if (f.ConstructionProgress < time) f.ConstructionProgress += 1;
  if (f.ConstructionProgress < time) return;

  f.PrBar.visible = false;
  f.ObBar.visible = false;
  f.StroyLbl.visible = false;
  f.building.visible = true;
  f.ConstructionProgress = 0;
  g.clock.setEnabled(f.timers.Timer5, false);
  g.playCue("Pus.smus");
  if (f.BuildKind == kTank) putTankBelowFactory(g);
}

void barsTick(Game& g) {
  Form1& f = g.form1();
  f.ProgressScale = f.ObBar.width / static_cast<float>(f.ConstructionTotal);
  if (f.ConstructionProgress <= static_cast<float>(f.ConstructionTotal))
    f.PrBar.width = f.ProgressScale * f.ConstructionProgress;
  f.HealthScale = f.ObZdor.width / static_cast<float>(f.HealthMax);
  if (f.SelectedHealth <= static_cast<float>(f.HealthMax))
    f.ZdorBar.width = f.HealthScale * f.SelectedHealth;
}

}  // namespace kr
