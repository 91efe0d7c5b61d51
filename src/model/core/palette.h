// The build palette: orders, paging, the arrows' pressed look, taking the finished item.
#pragma once

namespace kr {

class Game;
struct BattlefieldTimers;

// Milliseconds a pressed page arrow keeps its pressed look.
inline constexpr int kArrowReleaseDelay = 150;

struct PaletteItem {
  const char* tag;
  int energy;
  int metal;
  int wood;
  int ticks;  // construction ticks of 100 ms
  // The size given to the fresh slot: its width and height times the scales, or, where
  // width is not 0, this fixed size.
  float widthScale = 1;
  float heightScale = 1;
  float width = 0;
  float height = 0;
};
// The seven palette entries by index (see BuildItem).
const PaletteItem& paletteItem(int index);
inline constexpr int kPaletteItems = 7;

void orderItem(Game& g, int index);  // palette button build(index) pressed
void nextPageClick(Game& g);
void previousPageClick(Game& g);
void arrowReleaseTick(Game& g);  // releases the pressed page arrows
void takeItem(Game& g);          // the ready icon clicked
// Enables or disables every palette button build(0) to build(6).
void enablePalette(Game& g, bool enabled);
// The timer that releases the pressed page arrows; a click on an arrow starts it.
void registerArrowReleaseTimer(Game& g, BattlefieldTimers& timers);

}  // namespace kr
