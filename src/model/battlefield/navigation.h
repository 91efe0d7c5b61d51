// Edge scrolling and the minimap jump.
#pragma once

namespace kr {

class Game;

void navigationTick(Game& g);  // scrolling, every frame
// A press on the minimap picture, at map coordinates. Button 1 left, 2 right.
void minimapMouseDown(Game& g, int button, float x, float y);
// A press anywhere on the minimap: where the curtain covers it, the curtain takes it.
void minimapPress(Game& g, int button, float x, float y);

}  // namespace kr
