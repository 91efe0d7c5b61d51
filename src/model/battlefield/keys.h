// The battlefield's keys, seen before the focused control.
#pragma once

namespace kr {

class Game;

inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyI = 73;

void battlefieldKeyDown(Game& g, int keyCode);

}  // namespace kr
