// The battlefield window as stored: slots, palette buttons and panels before level setup.
#include "model/core/world.h"

namespace kr {

Battlefield::Battlefield() {
  objects[0] = MapObject{"baza", 48, 40, 81, 81, "baza", true, {}, 0};
  // The headquarters stands from the start, and so does its marker.
  markers[0] = Marker{48, 40, true};
  objects[1].left = 8;
  objects[1].top = 8;
  objects[2].left = 32;
  objects[2].top = 8;
  objects[kEnemyHq] = MapObject{"vrag", 8, 8, 81, 81, "vrag", false, {}, 0};

  paletteButtons[kAccumulator] = Control::at(8, 48, 56.8f, 56.8f, "Энергия Э-300 М-200 Д-50");
  paletteButtons[kMetalWorks] = Control::at(72, 48, 56.8f, 56.8f, "Металл Э-800 М-700 Д-150");
  paletteButtons[kWoodWorks] = Control::at(8, 112, 56.8f, 56.8f, "Дерево Э-200 М-150 Д-50");
  paletteButtons[kLocator] = Control::at(72, 112, 56.8f, 56.8f, "Локатор Э-1400 М-1500 Д-100", false);
  paletteButtons[kTankFactory] =
      Control::at(8, 176, 56.8f, 56.8f, "Танковый завод Э-5000 М-3500 Д-500", false);
  // The tank button lies in the tank order panel, the converter button on page 2.
  paletteButtons[kTank] = Control::at(8, 16, 69, 69, "Танк");
  paletteButtons[kConverter] = Control::at(0, 16, 69, 69);
}

}  // namespace kr
