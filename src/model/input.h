// The input gate: a player's click, key or typing reaches only a control that can be used.
#pragma once

#include <concepts>

#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

// A window's model while it is loaded, nullptr while it is not; asking never loads it.
template <class W>
W* loadedWindow(Game& g) {
  return g.loaded<W>() ? &g.window<W>() : nullptr;
}

inline bool usable(const WindowState& w) { return w.visible && w.enabled; }
inline bool usable(const Control& c) { return c.visible && c.enabled; }

// True when window W takes the player's input: it is loaded, shown and enabled. The keys
// of a window ask this first.
template <class W>
bool takesInput(Game& g) {
  const W* w = loadedWindow<W>(g);
  return w && usable(w->window);
}

// True when a player's click reaches a control of window W: the window takes input, and the
// control and each panel it lies in are shown and enabled. Every handler that a click (or
// typing into a text box) runs asks this first and does nothing otherwise; the game's rules
// calling each other do not.
template <class W>
bool canClick(Game& g, Control W::*control, std::same_as<Control W::*> auto... panels) {
  const W* w = loadedWindow<W>(g);
  return w && usable(w->window) && usable(w->*control) && (usable(w->*panels) && ...);
}

// An object on the map, where it is shown.
inline bool canClickObject(Game& g, int slot) {
  if (slot < 0 || slot > kLastSlot || !canClick(g, &Battlefield::mapSurface)) return false;
  return g.battlefield().objects[static_cast<std::size_t>(slot)].shown;
}

}  // namespace kr
