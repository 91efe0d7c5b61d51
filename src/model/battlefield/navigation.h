// The view over the map: edge scrolling and the minimap jump.
#pragma once

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

// How far one tick of edge scrolling moves the view, map pixels.
inline constexpr float kScrollStep = 50;

// Scrolls the view to a map point, its top-left corner: the map surface stands at minus the
// point in the window and the minimap's view frame at the point. Nothing else moves them.
void scrollViewTo(Battlefield& f, float x, float y);
void navigationTick(Game& g);  // one step of edge scrolling
// The view scrolls by a step on every display frame while the pointer rests on an edge: the
// scrolling timer runs from the start.
extern const WindowTimer<Battlefield> kScrollingTimer;
// The furthest edge scrolling takes the view's top-left corner: short of the map's far
// edges by more than the minimap's frame needs, so that the frame never leaves the minimap.
struct ScrollLimit {
  float x;
  float y;
};
ScrollLimit scrollLimit(const Game& g);
// Whether edge scrolling works: the battlefield takes input and a locator has been built.
bool canScroll(const Battlefield& f);
// A press on the minimap picture, at map coordinates. Button 1 left, 2 right.
void minimapMouseDown(Game& g, int button, float x, float y);
// A press anywhere on the minimap: where the curtain covers it, the curtain takes it.
void minimapPress(Game& g, int button, float x, float y);

}  // namespace kr
