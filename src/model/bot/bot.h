// The enemy's builder.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// The bot's wait until level setup draws its first one.
inline constexpr int kBotStoredInterval = 3000;

void botTurn(Game& g);  // one turn; it sets the wait to the next
// The bot's timer, stopped; level setup starts it in the missions that have an enemy.
void registerBotTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
