// The economy tick (every 500 ms) and the resource panel's figures.
#include "model/core/economy.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "model/battlefield/curtain.h"
#include "model/core/building_kinds.h"
#include "model/core/levels.h"
#include "model/core/mission_end.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

namespace {

constexpr const BuildingKind& kHeadquartersRow = kindOf(Building::kHeadquarters);
constexpr const BuildingKind& kLocatorRow = kindOf(Building::kLocator);

// The counted kinds, picked out of the table once.
constexpr auto kCounted = [] {
  std::array<const BuildingKind*, std::ranges::count_if(kBuildingKinds, &BuildingKind::counted)>
      rows{};
  std::size_t n = 0;
  for (const BuildingKind& kind : kBuildingKinds)
    if (kind.counted) rows[n++] = &kind;
  return rows;
}();

// One rate of the rows, summed over the working buildings.
template <class Rate>
std::int32_t total(const Battlefield& f, Rate rate) {
  std::int32_t sum = 0;
  for (const BuildingKind* kind : kCounted) sum += rate(*kind) * f.working(kind->kind);
  return sum;
}

// The energy the consumers use up while the stock is above the demand.
std::int32_t consumersEnergy(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.consumes.energy; });
}
std::int32_t consumersMetal(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.consumes.metal; });
}
// The wood burnt and the energy it gives, and the wood made: all on the wood step only.
std::int32_t woodBurnt(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.consumes.wood; });
}
std::int32_t energyFromWood(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.burnsWood ? k.produces.energy : 0; });
}
std::int32_t woodMade(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.produces.wood; });
}
// What the headquarters and the working buildings make on every tick.
std::int32_t energyMade(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.burnsWood ? 0 : k.produces.energy; }) +
         kHeadquartersRow.produces.energy;
}
std::int32_t metalMade(const Battlefield& f) {
  return total(f, [](const BuildingKind& k) { return k.produces.metal; }) +
         kHeadquartersRow.produces.metal;
}

}  // namespace

void economyTick(Game& g) {
  Battlefield& f = g.battlefield();
  const std::int32_t locatorDraw = kLocatorRow.consumes.energy;

  if (levelRules(g.levelNumber).winsOnStocks && f.energy >= 10001 && f.metal >= 10001 &&
      f.wood >= 10001)
    win(g);

  const auto energyDemand = static_cast<float>(consumersEnergy(f) + energyFromWood(f) + 2);
  const auto energyAboveDemand = [&] {
    return static_cast<double>(f.energy) > static_cast<double>(energyDemand);
  };

  if (energyAboveDemand()) f.energy -= consumersEnergy(f);
  if (energyAboveDemand() && f.metal > consumersMetal(f)) f.metal -= consumersMetal(f);
  if (f.wood > static_cast<float>(woodBurnt(f)) && energyAboveDemand()) {
    f.wood = f.wood + static_cast<float>(woodMade(f) - woodBurnt(f));
    f.energy += energyFromWood(f);
  }

  f.energy += energyMade(f);
  f.metal += metalMade(f);
  f.wood += static_cast<float>(kHeadquartersRow.produces.wood);

  // Too little energy to charge the locator.
  g.energyLow = f.energy < locatorDraw;
  if (!g.energyLow && f.locatorActive) {
    g.clock.setEnabled(kCurtainTimer, true);
    f.energy -= locatorDraw;
    f.paletteButton(Building::kLocator).enabled = false;
  }
  if (g.energyLow || !f.locatorActive) {
    g.clock.setEnabled(kCurtainTimer, false);
    closeCurtain(g);
  }
}

namespace {

void show(Control& caption, PanelFigure& shown, PanelFigure figure) {
  if (figure == shown) return;
  shown = figure;
  caption.caption = figure.prefix + std::to_string(figure.value);
}

}  // namespace

void resourceDisplayTick(Game& g) {
  ResourcePanelFigures none;
  resourceDisplayTick(g, none);
}

void resourceDisplayTick(Game& g, ResourcePanelFigures& shown) {
  Battlefield& f = g.battlefield();
  show(f.energyStock, shown.energyStock, {"", f.energy});
  show(f.metalStock, shown.metalStock, {"", f.metal});
  show(f.woodStock, shown.woodStock, {"", static_cast<std::int64_t>(std::floor(f.wood))});

  show(f.energyIncome, shown.energyIncome, {"+ ", energyMade(f) + energyFromWood(f)});
  if (f.energy > 0) {
    const bool locatorDraws = f.locatorActive && !g.energyLow;
    show(f.energyExpense, shown.energyExpense,
         {"- ", consumersEnergy(f) + (locatorDraws ? kLocatorRow.consumes.energy : 0)});
    show(f.metalIncome, shown.metalIncome, {"+ ", metalMade(f)});
    show(f.woodIncome, shown.woodIncome, {"+ ", woodMade(f) + kHeadquartersRow.produces.wood});
  } else {
    show(f.energyExpense, shown.energyExpense, {"-", 0});
    show(f.metalIncome, shown.metalIncome, {"+ ", 0});
    show(f.woodIncome, shown.woodIncome, {"+ ", 0});
  }
  show(f.metalExpense, shown.metalExpense, {"- ", f.metal > 0 ? consumersMetal(f) : 0});
  if (f.wood > 0) show(f.woodExpense, shown.woodExpense, {"- ", woodBurnt(f)});
}

// Due at the same moment, the economy ticks before the resource display shows the stocks.
const WindowTimer<Battlefield> kEconomyTimer({
    .name = "economy",
    .interval = 500ms,
    .place = 0,
    .startsRunning = true,
    .pausedByMenu = true,
    .tick = economyTick,
});

const WindowTimer<Battlefield> kResourceDisplayTimer({
    .name = "resourceDisplay",
    .interval = 1ms,
    .place = 6,
    .startsRunning = true,
    .pausedByMenu = true,
    .display = true,
    // Only this timer writes the panel's captions: it keeps what it wrote.
    .makeTick = [](Game& g, TickState& state) -> std::function<void()> {
      return [&g, shown = state.get<ResourcePanelFigures>()] { resourceDisplayTick(g, *shown); };
    },
});

}  // namespace kr
