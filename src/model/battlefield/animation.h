// Factories blinking between their two pictures.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds each picture of a factory shows.
inline constexpr int kAnimationInterval = 200;

// Phase 1 shows the first pictures and hands over to phase 2, phase 2 the second ones.
void animationTick(Game& g, int phase);
// The two phase timers, both running from the start; each stops itself and starts the other.
void registerAnimationTimers(Game& g, BattlefieldTimers& timers);

}  // namespace kr
