// Loading the battlefield window: its timers, level setup and the window layout.
#pragma once

namespace kr {

class Game;

// The battlefield window's load handler: registers its timers as stored, then runs level
// setup.
void form1Load(Game& g);
// The battlefield window's unload handler.
void form1Unload(Game& g);
// The battlefield window closed from the desktop: the game ends.
void form1Closed(Game& g);
// Rebuilds the world for LevelNumber.
void levelSetup(Game& g);
// Lays the right-hand panels and the chat line out for the screen size.
void layoutBattlefield(Game& g);
// One coordinate of the enemy headquarters from its random draw d.
float enemyHqLeft(float d);
float enemyHqTop(float d);

}  // namespace kr
