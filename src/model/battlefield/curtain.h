// The black curtain in front of the minimap.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// The curtain shrinks on every display frame while it opens.
inline constexpr int kCurtainInterval = 1;

void curtainTick(Game& g);
void closeCurtain(Game& g);  // full size and shown
// The curtain's timer; a working locator starts it.
void registerCurtainTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
