// The player's own folders for the game, from XDG_CONFIG_HOME, XDG_DATA_HOME and HOME.
#include "model/persist/player_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace kr {

namespace {

bool absolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string playerFolder(PlayerFolderKind kind, const char* xdgHome, const char* home) {
  std::string base;
  if (absolute(xdgHome)) base = withoutTrailingSlashes(xdgHome);
  else if (absolute(home))
    base = withoutTrailingSlashes(home) +
           (kind == PlayerFolderKind::Configuration ? "/.config" : "/.local/share");
  else return {};
  return (base == "/" ? "" : base) + "/krepostan";
}

std::string playerFolder(PlayerFolderKind kind) {
  const char* xdg = kind == PlayerFolderKind::Configuration ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME";
  return playerFolder(kind, std::getenv(xdg), std::getenv("HOME"));
}

bool makePlayerFolder(const std::string& path) {
  if (path.empty() || path[0] != '/') return false;
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string step = path.substr(0, slash);
    if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace kr
