// The battlefield window's model: the object table, stocks, counters and its controls. It
// exists while the battlefield window is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/clock/clock.h"
#include "model/control.h"
#include "model/core/building.h"
#include "model/platform/platform.h"

namespace kr {

inline constexpr int kLastSlot = 601;  // index of the last slot
inline constexpr int kSlots = kLastSlot + 1;
inline constexpr int kEnemyHq = 601;
inline constexpr int kFirstEnemySlot = 301;
inline constexpr int kLastPlayerSlot = 300;
inline constexpr float kMapWidth = 6000;
inline constexpr float kMapHeight = 6000;

// One slot of the object table: a picture on the map with its kind tag.
struct MapObject {
  Building kind = Building::kNone;
  float left = 0;
  float top = 0;
  float width = 49;
  float height = 49;
  std::string picture;  // sprite name
  bool shown = false;
  std::string tooltip;
  int border = 0;
  float right() const { return left + width; }
  float bottom() const { return top + height; }
};

// A minimap marker, in map coordinates.
struct Marker {
  float left = 0;
  float top = 0;
  bool shown = false;
};

enum class Pointer { Default, Custom, SizeAll };

// An object's power switch; listings print it as -1, 0, 1.
enum class Power : std::int8_t { kUnset = -1, kOff = 0, kOn = 1 };
enum class Focus { None, Map, ChatLine };

struct Battlefield {
  WindowState window;
  Pointer mapPointer = Pointer::Default;
  Focus focus = Focus::None;
  std::string caption;

  // The object table and its minimap markers.
  std::array<MapObject, kSlots> objects{};
  std::array<Marker, kSlots> markers{};
  std::vector<double> health = std::vector<double>(kSlots, 0.0);
  // The power switches. The headquarters' stays unset after level setup.
  std::vector<Power> powered = std::vector<Power>(kSlots, Power::kUnset);
  // Change stamps of the object table: every rule that changes a slot's object or marker
  // calls objectChanged(slot), which stamps it with the next number of one sequence for the
  // whole program. A window that remembers the newest stamp it has seen finds the slots that
  // changed since by their stamps; a battlefield loaded afresh has all its slots stamped.
  std::array<std::uint64_t, kSlots> slotStamps{};
  std::uint64_t newestStamp = 0;
  void objectChanged(int slot);
  int lastOrderedSlot = 0;

  // Stocks, and the working buildings (placed and switched on) of each counted kind.
  std::int32_t energy = 0;
  std::int32_t metal = 0;
  float wood = 0;
  std::array<std::int32_t, kBuildingKindCount> workingCounts{};
  std::int32_t& working(Building kind) { return workingCounts[rowOf(kind)]; }
  std::int32_t working(Building kind) const { return workingCounts[rowOf(kind)]; }

  bool locatorActive = false;
  bool locatorBuilt = false;
  int palettePage = 1;

  // Construction and placing.
  Building buildKind = Building::kNone;  // the item under construction or in hand
  int constructionTicks = 0;
  bool itemInHand = false;
  bool placementPending = false;
  std::int16_t constructionTotal = 100;
  float constructionProgress = 0;
  float progressScale = 0;
  std::int16_t healthMax = 100;
  float selectedHealth = 0;
  float healthScale = 0;

  // The map view: the map surface stands at (-viewX, -viewY) in the window and the minimap's
  // view frame at (viewX, viewY). scrollViewTo moves all three.
  float viewX = 0;
  float viewY = 0;
  Control mapSurface = Control::at(0, 0, 6000, 6000);
  Control selectionRect = Control::at(0, 0, 0, 0, {}, false);

  // The "Строительство" frame: the build palette and the construction bar.
  Control buildFrame;
  Control buildFrameTitle;
  std::array<Control, kPaletteItems> paletteButtons{};  // one per player kind, in its order
  Control& paletteButton(Building kind) { return paletteButtons[rowOf(kind)]; }
  const Control& paletteButton(Building kind) const { return paletteButtons[rowOf(kind)]; }
  Control secondPage = Control::at(8, 32, 161, 273, {}, false);
  Control tankOrderPanel = Control::at(8, 32, 161, 336.8f, {}, false);
  Control previousPageArrow = Control::at(8, 344, 40.8f, 24.8f, {}, false);
  Control nextPageArrow = Control::at(88, 344, 40.8f, 24.8f, {}, false);
  Control constructionLabel;
  Control constructionBarFrame = Control::at(8, 392, 120.8f, 16.8f, {}, false);
  Control constructionBar = Control::at(8, 392, 62.4f, 16.8f, {}, false);
  Control readyIcon = Control::at(8, 390.3f, 118.4f, 18.4f, {}, false);
  // Thin decorative lines between the frame's rows, as wide as the rows, so that page 2
  // and the tank order panel cover them whole.
  std::array<Control, 4> buildFrameDividers{
      Control::at(8, 40, 120.8f, 2), Control::at(8, 108.4f, 120.8f, 2),
      Control::at(8, 172.4f, 120.8f, 2), Control::at(8, 338, 120.8f, 2)};

  // The "Ресурсы" frame.
  static constexpr float kResourcesHeight = 185;
  Control resourcesFrame;
  Control resourcesFrameTitle;
  Control energyTitle;
  Control energyStock = Control::at(73.3f, 32, 80.8f, 24.8f);
  Control energyIncome = Control::at(5.3f, 56, 72.8f, 16.8f);
  Control energyExpense = Control::at(64, 56, 80.8f, 16.8f);
  Control metalTitle;
  Control metalStock = Control::at(73.3f, 80, 80.8f, 24.8f);
  Control metalIncome = Control::at(5.3f, 104, 64.8f, 16.8f);
  Control metalExpense = Control::at(64, 104, 80.8f, 16.8f);
  Control woodTitle;
  Control woodStock = Control::at(73.3f, 128, 80.8f, 24.8f);
  Control woodIncome = Control::at(5.3f, 152, 64.8f, 16.8f);
  Control woodExpense = Control::at(64, 152, 80.8f, 16.8f);
  std::array<Control, 3> resourcesFrameDividers{Control::at(4, 30, 128.8f, 2),
                                                Control::at(4, 76.4f, 128.8f, 2),
                                                Control::at(4, 124.4f, 128.8f, 2)};

  // The inspection frame and the health bar on the map.
  // Under the resources frame, or under the minimap in a window too low for its power
  // switch there (layoutBattlefield).
  static constexpr float kInspectionTop = 608;
  static constexpr float kInspectionHeight = 233;
  Control inspectionFrame = Control::at(816, kInspectionTop, 136.8f, kInspectionHeight);
  Control inspectedName = Control::at(0, 0, 134.4f, 24.8f);
  Control inspectedEnergy = Control::at(0, 24, 134.4f, 16.8f);
  Control inspectedMetal = Control::at(0, 40, 134.4f, 16.8f);
  Control inspectedWood = Control::at(0, 56, 134.4f, 16.8f);
  Control powerSwitch;
  std::array<Control, 2> inspectionFrameDividers{Control::at(4, 24, 128.8f, 2),
                                                 Control::at(4, 76.4f, 128.8f, 2)};
  Control healthBarFrame = Control::at(0, 0, 49, 6, {}, false);
  Control healthBar = Control::at(0, 0, 49, 6, {}, false);
  Control healthLabel = Control::at(0, 0, 49, 14, {}, false);

  // The "Карта" frame: the minimap, in map coordinates inside minimap.
  Control minimapFrame;
  Control minimapFrameTitle;
  Control minimap = Control::at(8, 26.7f, 153, 153);
  Control minimapPicture = Control::at(0, 0, 6000, 6000);
  Control viewFrame = Control::at(0, 0, 0, 0);
  Control curtain = Control::at(0, 0, 6000, 6000);

  // The chat line.
  Control chatBox = Control::at(0, 80, 848, 27, {}, false);
  Control chatLine = Control::at(0, 776, 201, 25, {}, false);

  // Terrain painted by the loading pass: the tile picture's name and the top-left corners
  // of the tiles painted so far, in painting order. The minimap picture is made from them.
  std::string terrainTile;
  std::vector<Point> terrainTiles;
  bool minimapPictureReady = false;

  // Sockets of the network game.
  SocketId gameSocket = 0;
  SocketId secondSocket = 0;
  bool peerAccepted = false;  // the host has taken its one peer on gameSocket

  // Its stored values; those of the controls with a caption (in world.cpp, where the texts
  // are), and the first objects of the table.
  Battlefield();
};

}  // namespace kr
