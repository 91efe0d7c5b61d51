// The economy tick and the resource display.
#pragma once

#include <cstdint>

namespace kr {

class Game;
struct BattlefieldTimers;
struct Control;

// What one caption of the resource panel shows: a prefix and a whole number after it.
struct PanelFigure {
  const char* prefix = nullptr;
  std::int64_t value = 0;
  bool operator==(const PanelFigure&) const = default;
};

// The figures the resource panel's captions show, so that a caption is written again only
// when its figure changes.
struct ResourcePanelFigures {
  PanelFigure energyStock, metalStock, woodStock;
  PanelFigure energyIncome, energyExpense, metalIncome, metalExpense, woodIncome, woodExpense;
};

// Milliseconds between two economy ticks.
inline constexpr int kEconomyInterval = 500;
// The resource panel follows the stocks on every display frame.
inline constexpr int kResourceDisplayInterval = 1;

void economyTick(Game& g);
// Writes every caption afresh; with the figures shown so far, only the changed ones.
void resourceDisplayTick(Game& g);
void resourceDisplayTick(Game& g, ResourcePanelFigures& shown);
// The economy's timer, stopped until the mission starts, and the resource display's.
void registerEconomyTimer(Game& g, BattlefieldTimers& timers);
void registerResourceDisplayTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
