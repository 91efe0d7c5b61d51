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
std::int32_t converterEnergy(const Form1& f) { return 300 * std::int32_t{f.ConverterCount}; }
std::int32_t converterWood(const Form1& f) { return 70 * std::int32_t{f.ConverterCount}; }

std::int32_t consumersEnergy(const Form1& f) {
  return 50 * f.MetalWorksCount + 10 * f.WoodWorksCount + 120 * f.TankFactoryCount;
}

}  // namespace

void economyTick(Game& g) {
  Form1& f = g.form1();
  const std::int32_t nM = f.MetalWorksCount;
  const std::int32_t nD = f.WoodWorksCount;
  const std::int32_t nT = f.TankFactoryCount;

  if (g.LevelNumber == 1 && f.Energy >= 10001 && f.Metal >= 10001 && f.Wood >= 10001) win(g);

  g.EnergyDemand = static_cast<float>(consumersEnergy(f) + converterEnergy(f) + 2);
  const auto energyAboveDemand = [&] { return static_cast<double>(f.Energy) > static_cast<double>(g.EnergyDemand); };

  if (energyAboveDemand()) f.Energy -= consumersEnergy(f);
  if (energyAboveDemand() && f.Metal > 10 * nT) f.Metal -= 10 * nT;
  if (f.Wood > static_cast<float>(converterWood(f)) && energyAboveDemand()) {
    f.Wood = f.Wood + static_cast<float>(10 * nD - converterWood(f));
    f.Energy += converterEnergy(f);
  }

  f.Energy += 1 + 20 * f.AccumulatorCount;
  f.Metal += 1 + 30 * nM;
  f.Wood += 1;

  g.EnergyLow = f.Energy < 30;
  if (!g.EnergyLow && f.LocatorActive) {
    g.clock.setEnabled(f.timers.ZaslonkaTmr, true);
    f.Energy -= 30;
    f.build[3].enabled = false;
  }
  if (g.EnergyLow || !f.LocatorActive) {
    g.clock.setEnabled(f.timers.ZaslonkaTmr, false);
    closeCurtain(g);
  }
}

void resourceDisplayTick(Game& g) {
  Form1& f = g.form1();
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  f.ResEn.caption = n(f.Energy);
  f.ResMet.caption = n(f.Metal);
  f.ResDer.caption = n(static_cast<std::int64_t>(std::floor(f.Wood)));

  f.EnPlus.caption = "+ " + n(20 * f.AccumulatorCount + 1 + converterEnergy(f));
  if (f.Energy > 0) {
    const bool locatorDraws = f.LocatorActive && !g.EnergyLow;
    f.EnMinus.caption = "- " + n(consumersEnergy(f) + (locatorDraws ? 30 : 0));
    f.MetPlus.caption = "+ " + n(30 * f.MetalWorksCount + 1);
    f.DerPlus.caption = "+ " + n(10 * f.WoodWorksCount + 1);
  } else {
    f.EnMinus.caption = "-0";
    f.MetPlus.caption = "+ 0";
    f.DerPlus.caption = "+ 0";
  }
  f.MetMinus.caption = f.Metal > 0 ? "- " + n(10 * f.TankFactoryCount) : "- 0";
  if (f.Wood > 0) f.DerMinus.caption = "- " + n(converterWood(f));
}

}  // namespace kr
