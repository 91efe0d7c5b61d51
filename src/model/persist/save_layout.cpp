// The saved game's bytes: nickname, length, filler, the level record and its position.
#include <bit>
#include <cstring>

#include "model/persist/codepage.h"
#include "model/persist/save_file.h"

namespace kr {

namespace {

void put16(SaveBytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xff);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void putFloat(SaveBytes& b, std::size_t at, float v) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

}  // namespace

int drawLevelRecordPos(const std::function<float()>& random) {
  // Bounded: a source that keeps giving the two bad values gets 51.
  for (int attempt = 0; attempt < 64; ++attempt) {
    const int p = static_cast<int>(random() * 200.0f) + kLevelRecordPosMin;
    if (p >= kLevelRecordPosMin && p <= kLevelRecordPosMax && p != 49 && p != 50) return p;
  }
  return 51;
}

SaveBytes encodeSave(const SavedGame& save, int levelRecordPos,
                     const std::function<float()>& filler) {
  SaveBytes b{};
  std::string nick = utf8ToCp1251(save.nick);
  if (nick.size() > kNickBytes) nick.resize(kNickBytes);
  std::memcpy(b.data(), nick.data(), nick.size());
  b[kNickBytes] = static_cast<std::uint8_t>(nick.size());

  // Each single-precision value overlaps the one before: offsets 16 to 499 keep the low
  // byte of successive values, 500 to 502 the rest of the last one.
  for (std::size_t k = 17; k <= 500; ++k) putFloat(b, k - 1, filler() * 10.0f);

  const auto at = static_cast<std::size_t>(levelRecordPos - 1);
  b[at] = 0x02;  // type tag: 16-bit integer
  b[at + 1] = 0x00;
  put16(b, at + 2, static_cast<std::uint16_t>(save.level + kLevelBias));
  put16(b, kPositionOffset, static_cast<std::uint16_t>(levelRecordPos));
  return b;
}

std::optional<SavedGame> decodeSave(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSaveFileSize) return std::nullopt;
  const std::size_t length = bytes[kNickBytes] < kNickBytes ? bytes[kNickBytes] : kNickBytes;
  SavedGame save;
  save.nick = cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), length));
  const std::size_t p = bytes[kPositionOffset];
  save.level = static_cast<std::int16_t>(bytes[p + 1] - kLevelBias);
  return save;
}

}  // namespace kr
