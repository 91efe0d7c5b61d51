// The player's own folders for the game, as the desktop's base directories name them.
#pragma once

#include <string>

namespace kr {

// Which of the player's folders: the settings (the language chosen) or the data (the save).
enum class PlayerFolderKind { Configuration, Data };

// The game's folder of that kind: krepostan/ in $XDG_CONFIG_HOME or $XDG_DATA_HOME, or in
// ~/.config or ~/.local/share when those are unset. Only an absolute path is a folder of the
// player's: a relative or empty XDG variable is passed over, as the desktop's base
// directories ask, and without an absolute HOME there is no such folder at all (empty):
// a relative one would put the player's files under whatever folder the game was started
// from. xdgHome and home are the variables' values, nullptr when unset.
std::string playerFolder(PlayerFolderKind kind, const char* xdgHome, const char* home);
// The same from this process's environment.
std::string playerFolder(PlayerFolderKind kind);

// Makes the folder, and those above it that are missing, for the player alone (0700, as the
// desktop's base directories ask of the folders made in them). True when it stands.
bool makePlayerFolder(const std::string& path);

}  // namespace kr
