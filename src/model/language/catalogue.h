// A translation's compiled catalogue (GNU gettext's .mo file), read whole and checked before
// the game takes a single text from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kr::text {

class Catalogue {
 public:
  // The largest file taken for a catalogue: the game's own is a few KiB.
  static constexpr std::size_t kLargest = 4 * 1024 * 1024;

  // The catalogue in the file, or nothing with `trouble` saying why in a few words. Only a
  // plain file is opened (a link to one will do), never a pipe, a device or a folder, and
  // nothing is waited for.
  static std::optional<Catalogue> read(const std::string& path, std::string& trouble);
  // The catalogue in the bytes, or nothing with `trouble` saying why. Taken only whole: the
  // header and every string inside the bytes and ended, the texts UTF-8, no translation
  // empty, and every translation with the same places {1}, {2}, … as its source.
  static std::optional<Catalogue> parse(std::vector<char> bytes, std::string& trouble);

  // The translation of source in the context ("" for none), or nullptr when there is none.
  const char* find(std::string_view context, std::string_view source) const;
  std::size_t size() const { return translations_.size(); }

 private:
  explicit Catalogue(std::vector<char> bytes) : bytes_(std::move(bytes)) {}

  // Moved, the vector keeps its buffer, which the keys below point into.
  std::vector<char> bytes_;
  // Keyed as the file keys them, "context\4source" or "source"; both point into bytes_.
  std::unordered_map<std::string_view, const char*> translations_;
};

// The places a template fills in, {1}, {2}, … in their order in the text.
std::vector<std::string_view> placesToFill(std::string_view text);

}  // namespace kr::text
