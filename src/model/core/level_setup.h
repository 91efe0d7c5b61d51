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
// Lays the right-hand panels, the chat line and the minimap's view frame out for the screen
// size. Where the window is too low for the inspection frame's power switch under the
// resources frame (below 714 pixels), the inspection frame stands under the minimap.
void layoutBattlefield(Game& g);
bool inspectionUnderMinimap(const Game& g);
// The screen changed its size: the battlefield is laid out again, and the view comes back
// within reach of edge scrolling if it now lies beyond. Nothing else changes.
void battlefieldScreenChanged(Game& g);
// One coordinate of the enemy headquarters from its random draw d.
float enemyHqLeft(float d);
float enemyHqTop(float d);

}  // namespace kr
