// A compiled catalogue read by the game itself: the file's layout is a header of seven
// 32-bit words (magic number, revision, count of strings, offsets of the table of sources
// and of the table of translations, size and offset of a hash table the game does not use)
// and two tables of (length, offset) pairs, each string ended by a NUL byte.
#include "model/language/catalogue.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "model/persist/whole_file.h"
#include "model/text.h"

namespace kr::text {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::size_t kHeaderSize = 28;

// What stands at path, when it is no plain file, in a few words.
std::string notAFile(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return "a folder, not a file";
  if (S_ISFIFO(st.st_mode)) return "a FIFO, not a file";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "a device, not a file";
  if (S_ISSOCK(st.st_mode)) return "a socket, not a file";
  return "not a plain file";
}

// The text quoted for a message: its first 40 characters.
std::string quoted(std::string_view text) {
  const std::string head = firstChars(text, 40);
  return "\"" + head + (head.size() < text.size() ? "…" : "") + "\"";
}

bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t extra = b < 0x80             ? 0
                              : (b & 0xE0) == 0xC0 ? 1
                              : (b & 0xF0) == 0xE0 ? 2
                              : (b & 0xF8) == 0xF0 ? 3
                                                   : 4;
    if (extra == 4 || (extra > 0 && b < 0xC2) || i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

// Reads the file's words in the byte order its magic number was written in.
class Words {
 public:
  explicit Words(const std::vector<char>& bytes) : bytes_(bytes) {}
  std::uint32_t at(std::uint64_t offset) const {
    std::uint32_t w = 0;
    for (int k = 0; k < 4; ++k) {
      const auto b = static_cast<unsigned char>(bytes_[offset + static_cast<std::uint64_t>(k)]);
      w |= static_cast<std::uint32_t>(b) << (swapped_ ? 8 * (3 - k) : 8 * k);
    }
    return w;
  }
  void swap() { swapped_ = true; }

 private:
  const std::vector<char>& bytes_;
  bool swapped_ = false;
};

}  // namespace

std::vector<std::string_view> placesToFill(std::string_view text) {
  std::vector<std::string_view> places;
  for (std::size_t open = text.find('{'); open != std::string_view::npos;
       open = text.find('{', open + 1)) {
    std::size_t close = open + 1;
    while (close < text.size() && text[close] >= '0' && text[close] <= '9') ++close;
    if (close > open + 1 && close < text.size() && text[close] == '}')
      places.push_back(text.substr(open, close - open + 1));
  }
  return places;
}

std::optional<Catalogue> Catalogue::read(const std::string& path, std::string& trouble) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    trouble = errno == ENOENT ? "missing" : std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    trouble = notAFile(st);
    return std::nullopt;
  }
  if (static_cast<std::uint64_t>(st.st_size) > kLargest) {
    trouble = "too large for a catalogue (" + std::to_string(st.st_size) + " bytes)";
    return std::nullopt;
  }
  // Opened without waiting, and looked at again once open, should something else have
  // taken the file's place since.
  const std::vector<std::uint8_t> bytes = readFileHead(path, kLargest + 1);
  if (bytes.empty() && st.st_size > 0) {
    trouble = "cannot be read";
    return std::nullopt;
  }
  return parse(std::vector<char>(bytes.begin(), bytes.end()), trouble);
}

std::optional<Catalogue> Catalogue::parse(std::vector<char> bytes, std::string& trouble) {
  Catalogue catalogue(std::move(bytes));
  const std::uint64_t size = catalogue.bytes_.size();
  if (size == 0) {
    trouble = "empty";
    return std::nullopt;
  }
  if (size < kHeaderSize) {
    trouble = "cut short: " + std::to_string(size) + " bytes, less than a catalogue's header";
    return std::nullopt;
  }
  Words words(catalogue.bytes_);
  if (words.at(0) != kMagic) {
    words.swap();
    if (words.at(0) != kMagic) {
      trouble = "not a compiled catalogue (its first bytes are no .mo magic number)";
      return std::nullopt;
    }
  }
  // Revisions 0 and 1 share the layout read here; 1 adds strings for other systems.
  if (const std::uint32_t major = words.at(4) >> 16; major > 1) {
    trouble = "of an unknown revision (" + std::to_string(major) + ")";
    return std::nullopt;
  }
  const std::uint64_t count = words.at(8), sources = words.at(12), translations = words.at(16);
  if (sources + 8 * count > size || translations + 8 * count > size) {
    trouble = "cut short or its lengths lie: its tables of " + std::to_string(count) +
              " strings end past the file's " + std::to_string(size) + " bytes";
    return std::nullopt;
  }
  const char* data = catalogue.bytes_.data();
  // The string the table entry at `at` names: inside the file and ended by its NUL.
  const auto stringAt = [&](std::uint64_t at, std::string_view& s) {
    const std::uint64_t length = words.at(at), offset = words.at(at + 4);
    if (offset + length >= size || data[offset + length] != '\0') return false;
    s = std::string_view(data + offset);  // a plural's forms after the first are not used
    return true;
  };
  bool utf8 = false;
  for (std::uint64_t i = 0; i < count; ++i) {
    std::string_view key, translation;
    if (!stringAt(sources + 8 * i, key) || !stringAt(translations + 8 * i, translation)) {
      trouble = "cut short or its lengths lie: string " + std::to_string(i + 1) + " of " +
                std::to_string(count) + " lies past the file's end";
      return std::nullopt;
    }
    if (key.empty()) {
      // The catalogue's header: the game's texts are UTF-8 and so must the translation be.
      std::string header(translation);
      std::transform(header.begin(), header.end(), header.begin(),
                     [](char c) { return static_cast<char>(std::tolower(c)); });
      utf8 = header.find("charset=utf-8") != std::string::npos;
      continue;
    }
    const std::string_view source = key.substr(key.find('\4') + 1);
    const std::string shown = quoted(source);
    if (translation.empty()) {
      trouble = "the translation of " + shown + " is empty";
      return std::nullopt;
    }
    if (!validUtf8(key) || !validUtf8(translation)) {
      trouble = "the translation of " + shown + " is not UTF-8";
      return std::nullopt;
    }
    std::vector<std::string_view> wanted = placesToFill(source), found = placesToFill(translation);
    std::sort(wanted.begin(), wanted.end());
    std::sort(found.begin(), found.end());
    if (wanted != found) {
      trouble = "the translation of " + shown + " does not keep its places to fill in (" +
                std::string(translation) + ")";
      return std::nullopt;
    }
    catalogue.translations_.emplace(key, translation.data());
  }
  if (!utf8) {
    trouble = "its header does not say its texts are UTF-8";
    return std::nullopt;
  }
  if (catalogue.translations_.empty()) {
    trouble = "holds no translation";
    return std::nullopt;
  }
  return catalogue;
}

const char* Catalogue::find(std::string_view context, std::string_view source) const {
  if (context.empty()) {
    const auto it = translations_.find(source);
    return it == translations_.end() ? nullptr : it->second;
  }
  // Texts are looked up as they are drawn: the key is built in a buffer kept for it.
  thread_local std::string key;
  key.assign(context).append(1, '\4').append(source);
  const auto it = translations_.find(key);
  return it == translations_.end() ? nullptr : it->second;
}

}  // namespace kr::text
