// The saved game: the file's byte layout, "Сохранить" and the loader.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace kr {

class Game;

inline constexpr std::size_t kSaveFileSize = 503;
inline constexpr const char* kSaveFileName = "save.ssav";
// A nickname's letters: the briefing takes no more, and the save keeps each in one byte.
inline constexpr std::size_t kNickLetters = 15;
inline constexpr std::size_t kNickBytes = kNickLetters;
// P: where the level record lies (it starts at P - 1); the position field sits at 50.
inline constexpr int kLevelRecordPosMin = 18;
inline constexpr int kLevelRecordPosMax = 217;
inline constexpr std::size_t kPositionOffset = 50;
inline constexpr int kLevelBias = 120;

using SaveBytes = std::array<std::uint8_t, kSaveFileSize>;

// What a save holds: the nickname (UTF-8) and the level.
struct SavedGame {
  std::string nick;
  std::int16_t level = 0;
  bool operator==(const SavedGame&) const = default;
};

// P drawn from the random source: 18 to 217, never 49 or 50 (the position field, written
// last, would cover the level byte there).
int drawLevelRecordPos(const std::function<float()>& random);
// The file's bytes. The nickname is kept to its first 15 characters; filler gives the
// random values in [0, 1) behind the filler bytes, one per call.
SaveBytes encodeSave(const SavedGame& save, int levelRecordPos,
                     const std::function<float()>& filler);
// Reads the nickname and level as the loader does; nullopt when the bytes are fewer than a
// whole file. The level is not checked here.
std::optional<SavedGame> decodeSave(std::span<const std::uint8_t> bytes);

// Where "Сохранить" writes: the program's folder, or the user's data folder when the
// program's folder cannot be written to (an installed program). A save that fails beside
// the program goes to the user's data folder too, and takes the old one beside the program
// away. Empty when there is no such folder: the program's folder cannot be written to and the
// player has no home (an empty or relative HOME, XDG_DATA_HOME passed over).
std::string saveFilePath(Game& g);
// Where the loader looks: the file the next save would write when there is a save file
// there (a plain file or a link to one), else the one in the other folder when there is,
// else the first (whose load fails).
std::string loadFilePath(Game& g);

void saveClick(Game& g);      // "Сохранить" of the in-game menu
void loadSavedGame(Game& g);  // the loader of the main menu window

}  // namespace kr
