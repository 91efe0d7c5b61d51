// The table of levels: what each level shows, what it lets the player and the enemy do,
// and how saving treats it. Every question about a level reads its row.
#pragma once

#include "model/translation.h"

namespace kr {

// The tile the loading pass paints over the map, and its size in pixels.
struct TerrainTile {
  const char* name = nullptr;  // nullptr: the level paints no terrain
  float width = 0;
  float height = 0;
};

// The grounds of the levels, each a picture of the sprite catalogue at this size.
inline constexpr TerrainTile kFirstMissionGround{"Piclevel1", 1600, 1200};
inline constexpr TerrainTile kBorderGround{"Piclevel2", 600, 600};
inline constexpr TerrainTile kThirdLevelGround{"Piclevel3", 600, 600};

struct Level {
  int number = 0;
  text::TextRef goal{};      // the goal line the I key shows; none: the last one stays
  text::TextRef briefing{};  // typed on the briefing screen; none: nothing
  TerrainTile terrain{};
  bool winsOnStocks = false;    // the economy tick wins it once every stock is above 10000
  bool asksName = false;        // the briefing asks for the player's name and takes it
  bool stocksGift = false;      // the console's gift of 10000 of each stock works
  bool unlocksPalette = false;  // putting buildings down shows further palette buttons
  // The enemy: its headquarters stands at a random place. The bot builds beside it; level
  // setup starts it on the campaign's enemy missions only, but leaving the in-game menu
  // starts it wherever the enemy stands, so on the network level the bot wakes up the first
  // time the player comes back from the menu.
  bool enemy = false;
  bool botStartsWithMission = false;
  bool botResumesAfterMenu = false;
  // Saving writes the level number whatever the level; loading takes back only these.
  bool loadable = false;
};

inline constexpr int kFirstLevel = 1;      // a new game starts here
inline constexpr int kNetworkLevel = 100;  // both sides of a network game play it

// The level's row; a number the game never reaches (0 before any game) has an empty row:
// no texts, no terrain, no enemy, nothing unlocked.
const Level& levelRules(int number);

}  // namespace kr
