// The economy tick and the resource display.
#pragma once

#include <cstdint>

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;
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

void economyTick(Game& g);
// Writes every caption afresh; with the figures shown so far, only the changed ones.
void resourceDisplayTick(Game& g);
void resourceDisplayTick(Game& g, ResourcePanelFigures& shown);
// The economy's timer, every 500 ms, stopped until the mission starts; the resource display's,
// on every display frame. The in-game menu pauses both.
extern const WindowTimer<Battlefield> kEconomyTimer;
extern const WindowTimer<Battlefield> kResourceDisplayTimer;

}  // namespace kr
