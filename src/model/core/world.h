// The battlefield window's model: the object table, stocks, counters, its controls and
// its timers. It exists while the battlefield window is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/clock/clock.h"
#include "model/control.h"
#include "model/platform/platform.h"

namespace kr {

inline constexpr int kObjectSlotCount = 601;  // index of the last slot
inline constexpr int kSlots = kObjectSlotCount + 1;
inline constexpr int kEnemyHq = 601;
inline constexpr int kFirstEnemySlot = 301;
inline constexpr int kLastPlayerSlot = 300;
inline constexpr float kMapWidth = 6000;
inline constexpr float kMapHeight = 6000;

// One slot of the object table: a picture on the map with its kind tag.
struct MapObject {
  std::string tag;  // "baza", "elek", ...; empty for an empty slot and an enemy accumulator
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
enum class Focus { None, Map, ChatText };

// Palette indices: what each palette button orders.
enum BuildItem { kAccumulator = 0, kMetalWorks = 1, kWoodWorks = 2, kLocator = 3, kTankFactory = 4,
                 kTank = 5, kConverter = 6 };

struct Form1Timers {
  TimerId Timer1 = 0;       // economy tick, 500 ms
  TimerId Timer2 = 0;       // animation phase 1, 200 ms
  TimerId Timer3 = 0;       // animation phase 2, 200 ms
  TimerId Timer5 = 0;       // construction tick, 100 ms
  TimerId Timer6 = 0;       // unit movement, 100 ms
  TimerId Timer7 = 0;       // chat box, 5000 ms
  TimerId Timer8 = 0;       // resource display, one frame
  TimerId Timer9 = 0;       // map scrolling, one frame
  TimerId Bot = 0;          // enemy bot turn
  TimerId BarTimer = 0;     // construction and health bars, 10 ms
  TimerId BuildKnopka = 0;  // releases the pressed palette arrows, 150 ms
  TimerId ZaslonkaTmr = 0;  // opens the minimap curtain, one frame
  auto all() const {
    return std::array{Timer1, Timer2, Timer3, Timer5, Timer6, Timer7,
                      Timer8, Timer9, Bot,    BarTimer, BuildKnopka, ZaslonkaTmr};
  }
};

struct Form1 {
  WindowState window;
  Pointer windowPointer = Pointer::Default;
  Pointer mapPointer = Pointer::Default;
  Focus focus = Focus::None;
  std::string caption = "Крепостан";

  // The object table and its minimap markers.
  std::array<MapObject, kSlots> Baza{};
  std::array<Marker, kSlots> BazaMap{};
  std::vector<double> ObjectHealth = std::vector<double>(kSlots, 0.0);
  // ObjectPowered(0) stays unset after level setup: 0 false, 1 true, -1 unset.
  std::vector<int> ObjectPowered = std::vector<int>(kSlots, -1);
  int ObjectSlotCount = kObjectSlotCount;
  int LastSlot = 0;

  // Stocks and the counters of working buildings.
  std::int32_t Energy = 0;
  std::int32_t Metal = 0;
  float Wood = 0;
  std::int32_t AccumulatorCount = 0;
  std::int32_t MetalWorksCount = 0;
  std::int32_t WoodWorksCount = 0;
  std::int32_t TankFactoryCount = 0;
  std::int16_t ConverterCount = 0;

  bool LocatorActive = false;
  bool LocatorBuilt = false;
  int PalettePage = 1;

  // Construction and placing.
  int BuildKind = -1;
  int ConstructionTime = 0;
  bool ItemInHand = false;
  bool PlacementPending = false;
  std::int16_t ConstructionTotal = 100;
  float ConstructionProgress = 0;
  float ProgressScale = 0;
  std::int16_t HealthMax = 100;
  float SelectedHealth = 0;
  float HealthScale = 0;

  // The map view: the map surface stands at (-ViewX, -ViewY) in the window.
  float ViewX = 0;
  float ViewY = 0;
  Control picture1 = Control::at(0, 0, 6000, 6000);
  Control Selec = Control::at(0, 0, 0, 0, {}, false);

  // The "Строительство" frame: the build palette and the construction bar.
  Control Builder = Control::at(816, 0, 136.8f, 425, "Строительство");
  Control Label3 = Control::at(0, 0, 134.4f, 24.8f, "Строительство");
  std::array<Control, 7> build{};
  Control Bui = Control::at(8, 32, 161, 273, {}, false);
  Control TankBui = Control::at(8, 32, 161, 336.8f, {}, false);
  Control BuildNaZad = Control::at(8, 344, 40.8f, 24.8f, {}, false);
  Control BuildDalee = Control::at(88, 344, 40.8f, 24.8f, {}, false);
  Control StroyLbl = Control::at(8, 368, 119.2f, 16.8f, "СТРОИТЕЛЬСТВО", false);
  Control ObBar = Control::at(8, 392, 120.8f, 16.8f, {}, false);
  Control PrBar = Control::at(8, 392, 62.4f, 16.8f, {}, false);
  Control building = Control::at(8, 390.3f, 118.4f, 18.4f, {}, false);

  // The "Ресурсы" frame.
  Control Resources = Control::at(816, 424, 136.8f, 185, "Ресурсы");
  Control Label4 = Control::at(0, 0, 134.4f, 32.8f, "Ресурсы");
  Control ResEn1 = Control::at(5.3f, 32, 72.8f, 16.8f, "Энергия: ");
  Control ResEn = Control::at(73.3f, 32, 80.8f, 24.8f);
  Control EnPlus = Control::at(5.3f, 56, 72.8f, 16.8f);
  Control EnMinus = Control::at(64, 56, 80.8f, 16.8f);
  Control ResMet1 = Control::at(5.3f, 80, 56.8f, 24.8f, "Металл:   ");
  Control ResMet = Control::at(73.3f, 80, 80.8f, 24.8f);
  Control MetPlus = Control::at(5.3f, 104, 64.8f, 16.8f);
  Control MetMinus = Control::at(64, 104, 80.8f, 16.8f);
  Control ResDer1 = Control::at(5.3f, 128, 64.8f, 24.8f, "Дерево:   ");
  Control ResDer = Control::at(73.3f, 128, 80.8f, 24.8f);
  Control DerPlus = Control::at(5.3f, 152, 64.8f, 16.8f);
  Control DerMinus = Control::at(64, 152, 80.8f, 16.8f);

  // The inspection frame and the health bar on the map.
  Control OZdaFr = Control::at(816, 608, 136.8f, 233);
  Control OzDa = Control::at(0, 0, 134.4f, 24.8f);
  Control ZdaEn = Control::at(0, 24, 134.4f, 16.8f);
  Control ZdaMet = Control::at(0, 40, 134.4f, 16.8f);
  Control ZdaDer = Control::at(0, 56, 134.4f, 16.8f);
  Control Pitanie = Control::at(8, 80, 124, 23.2f, "Включение");
  Control ObZdor = Control::at(0, 0, 49, 6, {}, false);
  Control ZdorBar = Control::at(0, 0, 49, 6, {}, false);
  Control ZdorLbl = Control::at(0, 0, 49, 14, {}, false);

  // The "Карта" frame: the minimap, in map coordinates inside MapPic.
  Control Map = Control::at(952, 0, 169, 1280, "Карта");
  Control Label5 = Control::at(0, 0, 177, 25, "Карта");
  Control MapPic = Control::at(8, 26.7f, 153, 153);
  Control Image1 = Control::at(0, 0, 6000, 6000);
  Control MapKursor = Control::at(0, 0, 0, 0);
  Control Zaslonka = Control::at(0, 0, 6000, 6000);

  // The chat line.
  Control chat = Control::at(0, 80, 848, 27, {}, false);
  Control chatText = Control::at(0, 776, 201, 25, {}, false);

  // Terrain painted by the loading pass: the tile picture's name and the top-left corners
  // of the tiles painted so far, in painting order. The minimap picture is made from them.
  std::string terrainTile;
  std::vector<Point> terrainTiles;
  bool minimapPictureReady = false;

  // Sockets of the network game.
  SocketId Win1 = 0;
  SocketId ChatKlientWin = 0;
  bool Win1Accepted = false;  // the host has taken its one peer on Win1

  Form1Timers timers;

  Form1();
};

}  // namespace kr
