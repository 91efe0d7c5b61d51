// The build palette: orders, paging, the arrows' pressed look, taking the finished item.
#pragma once

namespace kr {

class Game;

struct PaletteItem {
  const char* tag;
  int energy;
  int metal;
  int wood;
  int ticks;  // construction ticks of 100 ms
};
// The seven palette entries by index (see BuildItem).
const PaletteItem& paletteItem(int index);

void orderItem(Game& g, int index);  // palette button build(index) pressed
void buildDaleeClick(Game& g);
void buildNaZadClick(Game& g);
void arrowReleaseTick(Game& g);  // BuildKnopka
void takeItem(Game& g);          // the ready icon clicked

}  // namespace kr
