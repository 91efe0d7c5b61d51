#pragma once
// Every picture the game draws, with the pixel size it is drawn for.
// The SVG of each lives in assets/sprites/<name>.svg and is compiled in as
// the resource :/sprites/<name>.svg.

#include <array>
#include <string_view>

#include "model/core/levels.h"

namespace kr::sprites {

// What a picture is for; it decides how the picture fills its rectangle.
enum class Kind {
  Building,  // opaque: the field colour fills the rectangle, the building stands on it
  Tank,      // transparent around the hull
  Terrain,   // opaque, tiles seamlessly
  Button,    // opaque
  Pointer,   // transparent, hot spot at the top-left pixel
  Screen,    // opaque backgrounds of whole windows
  Icon,      // transparent
};

constexpr bool isOpaque(Kind kind) {
  return kind != Kind::Tank && kind != Kind::Pointer && kind != Kind::Icon;
}

struct SpriteInfo {
  std::string_view name;
  int width;
  int height;
  Kind kind;
  // For buildings: the field colour that fills the whole rectangle around the
  // building, as 0xRRGGBB; 0 when the picture has no single field colour.
  unsigned field;
};

inline constexpr unsigned kFieldRed = 0xED1C24;
inline constexpr unsigned kFieldAmber = 0xFFC20E;
inline constexpr unsigned kFieldBlue = 0x0000FF;

// A level's ground, at the size the level tiles it.
constexpr SpriteInfo terrainSprite(const TerrainTile& tile) {
  return {tile.name, static_cast<int>(tile.width), static_cast<int>(tile.height), Kind::Terrain, 0};
}

inline constexpr int kUnknownSide = 32;  // size of a picture that does not exist

inline constexpr std::array kCatalog{
    // Buildings of the player.
    SpriteInfo{"akum", 250, 250, Kind::Building, kFieldRed},
    SpriteInfo{"metzavod", 366, 348, Kind::Building, kFieldRed},
    SpriteInfo{"metzavod1", 366, 348, Kind::Building, kFieldRed},
    SpriteInfo{"derzavod", 259, 238, Kind::Building, kFieldAmber},
    SpriteInfo{"derzavod1", 259, 238, Kind::Building, kFieldAmber},
    SpriteInfo{"locator", 250, 250, Kind::Building, kFieldRed},
    SpriteInfo{"tankozavod", 300, 300, Kind::Building, kFieldAmber},
    SpriteInfo{"tankozavod1", 300, 300, Kind::Building, kFieldAmber},
    SpriteInfo{"konverter", 250, 250, Kind::Building, kFieldRed},
    SpriteInfo{"baza", 187, 181, Kind::Building, kFieldRed},
    // Buildings of the enemy.
    SpriteInfo{"metzavodVraga", 366, 348, Kind::Building, kFieldBlue},
    SpriteInfo{"metzavodVraga1", 366, 348, Kind::Building, kFieldBlue},
    SpriteInfo{"akumVraga", 250, 250, Kind::Building, kFieldBlue},
    SpriteInfo{"vrag", 187, 181, Kind::Building, kFieldBlue},
    // The tank, one picture per heading, seen from above.
    SpriteInfo{"tankvverh", 117, 270, Kind::Tank, 0},
    SpriteInfo{"tankvniz", 117, 270, Kind::Tank, 0},
    SpriteInfo{"tankvlevo", 270, 117, Kind::Tank, 0},
    SpriteInfo{"tankvpravo", 270, 117, Kind::Tank, 0},
    SpriteInfo{"diagvverhvlevo", 274, 274, Kind::Tank, 0},
    SpriteInfo{"diagvverhvpravo", 274, 274, Kind::Tank, 0},
    SpriteInfo{"tankdiagvnizvlevo", 274, 274, Kind::Tank, 0},
    SpriteInfo{"tankdiagvnizvpravo", 274, 274, Kind::Tank, 0},
    // Ground of each mission, tiled over the map.
    terrainSprite(kFirstMissionGround),
    terrainSprite(kBorderGround),
    terrainSprite(kThirdLevelGround),
    // Building palette buttons.
    SpriteInfo{"TankBui", 69, 69, Kind::Button, 0},
    SpriteInfo{"Bui", 69, 69, Kind::Button, 0},
    SpriteInfo{"building", 137, 26, Kind::Button, 0},
    SpriteInfo{"BuildDalee", 65, 43, Kind::Button, 0},
    SpriteInfo{"BuildNaZad", 65, 43, Kind::Button, 0},
    // Mouse pointers; the hot spot is the top-left pixel.
    SpriteInfo{"cursor_object", 32, 32, Kind::Pointer, 0},
    SpriteInfo{"cursor_map", 32, 32, Kind::Pointer, 0},
    // Screens.
    SpriteInfo{"welcome_bg", 1024, 768, Kind::Screen, 0},
    SpriteInfo{"briefing_bg", 1280, 1024, Kind::Screen, 0},
    SpriteInfo{"about_icon", 64, 64, Kind::Icon, 0},
};

// The entry of that name, or nullptr.
constexpr const SpriteInfo* findSprite(std::string_view name) {
  for (const auto& info : kCatalog) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

}  // namespace kr::sprites
