// Files written whole or not at all, and read only as far as they go.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kr {

// Writes the bytes to a file of its own made beside path (never through a link, never into
// a file that was there) and then puts it in path's place in one rename, which it makes
// lasting on the disk: the file is either the old one or the complete new one. False when
// anything failed; the old file is then untouched.
bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);
// Up to limit bytes from the start of an existing plain file (a link to one will do);
// never creates or changes it, and never waits. Empty when it is missing, unreadable or
// something else than a plain file (a pipe, a device, a folder).
std::vector<std::uint8_t> readFileHead(const std::string& path, std::size_t limit);
// True when path is a folder this program may create files in.
bool isWritableFolder(const std::string& path);

}  // namespace kr
