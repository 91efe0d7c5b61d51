// The economy tick and the resource display.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds between two economy ticks.
inline constexpr int kEconomyInterval = 500;
// The resource panel follows the stocks on every display frame.
inline constexpr int kResourceDisplayInterval = 1;

void economyTick(Game& g);
void resourceDisplayTick(Game& g);
// The economy's timer, stopped until the mission starts, and the resource display's.
void registerEconomyTimer(Game& g, BattlefieldTimers& timers);
void registerResourceDisplayTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
