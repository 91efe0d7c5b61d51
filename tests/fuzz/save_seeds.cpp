// Writes the fuzz target's seed files: saves made by the game's own encoder, for a range
// of nicknames, levels and places of the level record. Usage: save_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/persist/save_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  struct Seed {
    const char* name;
    const char* nick;
    std::int16_t level;
    int pos;  // where the level record lies; 0: drawn as the game draws it
  };
  const std::vector<Seed> seeds = {
      {"player1-level1", "Player1", 1, 0},
      {"player1-level2", "Player1", 2, 0},
      {"player1-level3", "Player1", 3, 0},
      {"host-network", "Host", 100, 0},
      {"empty-nick", "", 1, 0},
      {"cyrillic", "Игрок Ёж", 2, 0},
      {"fifteen-letters", "ПятнадцатьБукв!", 3, 0},
      {"cut-to-fifteen", "Шестнадцать букв", 1, 0},
      {"not-in-codepage", "日本", 2, 0},
      {"euro-and-quotes", "€„Ђ“”", 3, 0},
      {"digits", "0123456789", 2, 0},
      {"record-first-place", "Player1", 1, kr::kLevelRecordPosMin},
      {"record-before-position", "Player1", 2, 48},
      {"record-after-position", "Player1", 3, 51},
      {"record-last-place", "Player1", 1, kr::kLevelRecordPosMax},
  };
  std::mt19937 generator(13);
  const auto random = [&generator] {
    return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
  };
  for (const Seed& s : seeds) {
    const int pos = s.pos ? s.pos : kr::drawLevelRecordPos(random);
    const kr::SaveBytes bytes = kr::encodeSave({s.nick, s.level}, pos, random);
    std::ofstream out(std::string(argv[1]) + "/" + s.name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) return 1;
  }
  return 0;
}
