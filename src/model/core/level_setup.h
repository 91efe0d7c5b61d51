// Loading the battlefield window: level setup and the window layout.
#pragma once

namespace kr {

class Game;

// The battlefield window's load handler: runs level setup (its timers are registered before).
void battlefieldLoad(Game& g);
// The battlefield window's unload handler.
void battlefieldUnload(Game& g);
// The battlefield window closed from the desktop: the game ends.
// Rebuilds the world for levelNumber.
void levelSetup(Game& g);
// Lays the right-hand panels and the chat line out for the screen size.
void layoutBattlefield(Game& g);
// One coordinate of the enemy headquarters from its random draw d.
float enemyHqLeft(float d);
float enemyHqTop(float d);

}  // namespace kr
