// Files written whole or not at all: a new file beside the old one, then one rename.
#include "model/persist/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kr {

namespace {

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Creates name as a new, empty file: never an existing file, never through a link.
int createFresh(const std::string& name) {
  int fd;
  do {
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Takes away whatever a broken earlier save, or anybody else, left under name: a file or a
// link (never what it points to), or an empty folder. A folder with something in it is
// not ours to empty.
void removeLeftover(const std::string& name) {
  if (::unlink(name.c_str()) == 0 || errno == ENOENT) return;
  if (errno == EISDIR || errno == EPERM) ::rmdir(name.c_str());
}

// The step-around name: the new bytes go there when something that is not ours to take
// away (a folder the player keeps things in, say) stands under path + ".new". One fixed
// name, so that saves cut short never leave more than one such file behind.
std::string stepAroundName(const std::string& path) { return path + ".part"; }

// Opens the file the new bytes go to, next to path, and gives its name in fresh: path +
// ".new", or the step-around name when that is taken. Whatever a broken earlier save left
// under either name is taken away first. -1 when no new file can be made there at all.
int openFresh(const std::string& path, std::string& fresh) {
  int fd = -1;
  for (const std::string& name : {path + ".new", stepAroundName(path)}) {
    fresh = name;
    removeLeftover(fresh);
    fd = createFresh(fresh);
    if (fd >= 0 || errno != EEXIST) break;
  }
  return fd;
}

// The folder that holds path.
std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes the folder's entries to the disk, so that a rename in it outlives a power cut.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string fresh;
  const int fd = openFresh(path, fresh);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(fresh.c_str(), path.c_str()) == 0) {
    // The new file is in place whatever the folder's sync says; a folder that cannot be
    // synced (some file systems refuse) leaves the save no worse than before.
    syncFolder(folderOf(path));
    // A step-around file an earlier save was cut short in goes with this one's success.
    if (fresh != stepAroundName(path)) removeLeftover(stepAroundName(path));
    return true;
  }
  ::unlink(fresh.c_str());
  return false;
}

std::vector<std::uint8_t> readFileHead(const std::string& path, std::size_t limit) {
  // Only a plain file is read: a pipe, a device or a folder of that name is no save, and
  // opening a pipe or a device could wait or do something. A link is followed: reading
  // changes nothing, and a player may keep the save elsewhere on purpose.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  // Something may have taken the file's place since: open without waiting, and look again
  // at what was opened.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {};
  std::vector<std::uint8_t> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    bytes.resize(limit);
    std::size_t done = 0;
    while (done < limit) {
      const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
  }
  ::close(fd);
  return bytes;
}

bool isWritableFolder(const std::string& path) {
  struct stat st {};
  // The effective user decides what this process may create, as open() will.
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         ::faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace kr
