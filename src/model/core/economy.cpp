// The economy tick (every 500 ms) and the resource panel's figures.
#include "model/core/economy.h"

#include <cmath>
#include <memory>
#include <string>

#include "model/battlefield/curtain.h"
#include "model/core/building_kinds.h"
#include "model/core/mission_end.h"
#include "model/game.h"

namespace kr {

namespace {

// The rows whose rates the economy works with.
constexpr const BuildingKind& kHeadquartersRow = kindOf(Building::kHeadquarters);
constexpr const BuildingKind& kAccumulatorRow = kindOf(Building::kAccumulator);
constexpr const BuildingKind& kMetalWorksRow = kindOf(Building::kMetalWorks);
constexpr const BuildingKind& kWoodWorksRow = kindOf(Building::kWoodWorks);
constexpr const BuildingKind& kLocatorRow = kindOf(Building::kLocator);
constexpr const BuildingKind& kTankFactoryRow = kindOf(Building::kTankFactory);
constexpr const BuildingKind& kConverterRow = kindOf(Building::kConverter);

// The converters' products, formed wide enough for any number of converters.
std::int32_t converterEnergy(const Battlefield& f) {
  return kConverterRow.produces.energy * std::int32_t{f.converterCount};
}
std::int32_t converterWood(const Battlefield& f) {
  return kConverterRow.consumes.wood * std::int32_t{f.converterCount};
}

std::int32_t consumersEnergy(const Battlefield& f) {
  return kMetalWorksRow.consumes.energy * f.metalWorksCount +
         kWoodWorksRow.consumes.energy * f.woodWorksCount +
         kTankFactoryRow.consumes.energy * f.tankFactoryCount;
}

std::int32_t tankFactoriesMetal(const Battlefield& f) {
  return kTankFactoryRow.consumes.metal * f.tankFactoryCount;
}
std::int32_t energyMade(const Battlefield& f) {
  return kAccumulatorRow.produces.energy * f.accumulatorCount + kHeadquartersRow.produces.energy;
}
std::int32_t metalMade(const Battlefield& f) {
  return kMetalWorksRow.produces.metal * f.metalWorksCount + kHeadquartersRow.produces.metal;
}
std::int32_t woodWorksWood(const Battlefield& f) {
  return kWoodWorksRow.produces.wood * f.woodWorksCount;
}

}  // namespace

void economyTick(Game& g) {
  Battlefield& f = g.battlefield();
  const std::int32_t locatorDraw = kLocatorRow.consumes.energy;

  if (g.levelNumber == 1 && f.energy >= 10001 && f.metal >= 10001 && f.wood >= 10001) win(g);

  g.energyDemand = static_cast<float>(consumersEnergy(f) + converterEnergy(f) + 2);
  const auto energyAboveDemand = [&] {
    return static_cast<double>(f.energy) > static_cast<double>(g.energyDemand);
  };

  if (energyAboveDemand()) f.energy -= consumersEnergy(f);
  if (energyAboveDemand() && f.metal > tankFactoriesMetal(f)) f.metal -= tankFactoriesMetal(f);
  if (f.wood > static_cast<float>(converterWood(f)) && energyAboveDemand()) {
    f.wood = f.wood + static_cast<float>(woodWorksWood(f) - converterWood(f));
    f.energy += converterEnergy(f);
  }

  f.energy += energyMade(f);
  f.metal += metalMade(f);
  f.wood += static_cast<float>(kHeadquartersRow.produces.wood);

  // Too little energy to charge the locator.
  g.energyLow = f.energy < locatorDraw;
  if (!g.energyLow && f.locatorActive) {
    g.clock.setEnabled(f.timers.curtain, true);
    f.energy -= locatorDraw;
    f.paletteButtons[kLocator].enabled = false;
  }
  if (g.energyLow || !f.locatorActive) {
    g.clock.setEnabled(f.timers.curtain, false);
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

  show(f.energyIncome, shown.energyIncome, {"+ ", energyMade(f) + converterEnergy(f)});
  if (f.energy > 0) {
    const bool locatorDraws = f.locatorActive && !g.energyLow;
    show(f.energyExpense, shown.energyExpense,
         {"- ", consumersEnergy(f) + (locatorDraws ? kLocatorRow.consumes.energy : 0)});
    show(f.metalIncome, shown.metalIncome, {"+ ", metalMade(f)});
    show(f.woodIncome, shown.woodIncome, {"+ ", woodWorksWood(f) + kHeadquartersRow.produces.wood});
  } else {
    show(f.energyExpense, shown.energyExpense, {"-", 0});
    show(f.metalIncome, shown.metalIncome, {"+ ", 0});
    show(f.woodIncome, shown.woodIncome, {"+ ", 0});
  }
  show(f.metalExpense, shown.metalExpense, {"- ", f.metal > 0 ? tankFactoriesMetal(f) : 0});
  if (f.wood > 0) show(f.woodExpense, shown.woodExpense, {"- ", converterWood(f)});
}

void registerEconomyTimer(Game& g, BattlefieldTimers& timers) {
  timers.economy = g.clock.add("economy", kEconomyInterval, true, [&g] { economyTick(g); });
}

void registerResourceDisplayTimer(Game& g, BattlefieldTimers& timers) {
  // Only this timer writes the panel's captions: it keeps what it wrote.
  auto shown = std::make_shared<ResourcePanelFigures>();
  timers.resourceDisplay = g.clock.add("resourceDisplay", kResourceDisplayInterval, true,
                                       [&g, shown] { resourceDisplayTick(g, *shown); });
  g.clock.setDisplay(timers.resourceDisplay);
}

}  // namespace kr
