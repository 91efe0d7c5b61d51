// The economy tick (every 500 ms) and the resource panel's figures.
#include "model/core/economy.h"

#include <cmath>
#include <string>

#include "model/battlefield/curtain.h"
#include "model/core/mission_end.h"
#include "model/game.h"

namespace kr {

namespace {

// The converters' products, formed wide enough for any number of converters.
std::int32_t converterEnergy(const Battlefield& f) { return 300 * std::int32_t{f.converterCount}; }
std::int32_t converterWood(const Battlefield& f) { return 70 * std::int32_t{f.converterCount}; }

std::int32_t consumersEnergy(const Battlefield& f) {
  return 50 * f.metalWorksCount + 10 * f.woodWorksCount + 120 * f.tankFactoryCount;
}

}  // namespace

void economyTick(Game& g) {
  Battlefield& f = g.battlefield();
  const std::int32_t nM = f.metalWorksCount;
  const std::int32_t nD = f.woodWorksCount;
  const std::int32_t nT = f.tankFactoryCount;

  if (g.levelNumber == 1 && f.energy >= 10001 && f.metal >= 10001 && f.wood >= 10001) win(g);

  g.energyDemand = static_cast<float>(consumersEnergy(f) + converterEnergy(f) + 2);
  const auto energyAboveDemand = [&] { return static_cast<double>(f.energy) > static_cast<double>(g.energyDemand); };

  if (energyAboveDemand()) f.energy -= consumersEnergy(f);
  if (energyAboveDemand() && f.metal > 10 * nT) f.metal -= 10 * nT;
  if (f.wood > static_cast<float>(converterWood(f)) && energyAboveDemand()) {
    f.wood = f.wood + static_cast<float>(10 * nD - converterWood(f));
    f.energy += converterEnergy(f);
  }

  f.energy += 1 + 20 * f.accumulatorCount;
  f.metal += 1 + 30 * nM;
  f.wood += 1;

  g.energyLow = f.energy < 30;
  if (!g.energyLow && f.locatorActive) {
    g.clock.setEnabled(f.timers.curtain, true);
    f.energy -= 30;
    f.paletteButtons[3].enabled = false;
  }
  if (g.energyLow || !f.locatorActive) {
    g.clock.setEnabled(f.timers.curtain, false);
    closeCurtain(g);
  }
}

void resourceDisplayTick(Game& g) {
  Battlefield& f = g.battlefield();
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  f.energyStock.caption = n(f.energy);
  f.metalStock.caption = n(f.metal);
  f.woodStock.caption = n(static_cast<std::int64_t>(std::floor(f.wood)));

  f.energyIncome.caption = "+ " + n(20 * f.accumulatorCount + 1 + converterEnergy(f));
  if (f.energy > 0) {
    const bool locatorDraws = f.locatorActive && !g.energyLow;
    f.energyExpense.caption = "- " + n(consumersEnergy(f) + (locatorDraws ? 30 : 0));
    f.metalIncome.caption = "+ " + n(30 * f.metalWorksCount + 1);
    f.woodIncome.caption = "+ " + n(10 * f.woodWorksCount + 1);
  } else {
    f.energyExpense.caption = "-0";
    f.metalIncome.caption = "+ 0";
    f.woodIncome.caption = "+ 0";
  }
  f.metalExpense.caption = f.metal > 0 ? "- " + n(10 * f.tankFactoryCount) : "- 0";
  if (f.wood > 0) f.woodExpense.caption = "- " + n(converterWood(f));
}

void registerEconomyTimer(Game& g, BattlefieldTimers& timers) {
  timers.economy = g.clock.add("economy", kEconomyInterval, true, [&g] { economyTick(g); });
}

void registerResourceDisplayTimer(Game& g, BattlefieldTimers& timers) {
  timers.resourceDisplay = g.clock.add("resourceDisplay", kResourceDisplayInterval, true,
                                       [&g] { resourceDisplayTick(g); });
}

}  // namespace kr
