// Fuzz target of the saved game's decoder: any bytes at all must decode to a nickname of
// valid text, and a decoded save must survive encoding and decoding again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "model/persist/save_file.h"

namespace {

void check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "save decoder: %s\n", what);
  std::abort();
}

// Counts the characters of valid UTF-8 text; -1 when it is not (a stray continuation
// byte, a cut sequence, an overlong form, a surrogate, a code point past U+10FFFF).
long utf8Characters(std::string_view text) {
  long count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length;
    char32_t point;
    if (lead < 0x80) {
      length = 1;
      point = lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
      point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
      point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4;
      point = lead & 0x07;
    } else {
      return -1;
    }
    if (i + length > text.size()) return -1;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return -1;
      point = (point << 6) | (next & 0x3F);
    }
    if ((length == 3 && point < 0x800) || (length == 4 && point < 0x10000) ||
        (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
      return -1;
    i += length;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const std::optional<kr::SavedGame> save = kr::decodeSave(bytes);
  check(save.has_value() == (size >= kr::kSaveFileSize),
        "a whole file must decode, a shorter one must not");
  if (!save) return 0;
  const long characters = utf8Characters(save->nick);
  check(characters >= 0, "the nickname is not valid UTF-8");
  check(characters <= static_cast<long>(kr::kNickBytes),
        "the nickname is longer than a save holds");

  // Saved again (at a place and with filler drawn from the input), the save reads back
  // the same, and saving that gives the same bytes.
  int pos = kr::kLevelRecordPosMin + data[kr::kPositionOffset] % 200;
  if (pos == 49 || pos == 50) pos = 51;
  const float fill = static_cast<float>(data[kr::kNickBytes + 1]) / 256.0f;
  const auto filler = [fill] { return fill; };
  const kr::SaveBytes again = kr::encodeSave(*save, pos, filler);
  const std::optional<kr::SavedGame> back = kr::decodeSave(again);
  check(back.has_value() && *back == *save, "decoding what was encoded gives another save");
  check(kr::encodeSave(*back, pos, filler) == again, "encoding is not stable");
  return 0;
}
