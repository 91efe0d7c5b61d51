#include "ui/platform/sound/wave_cue.h"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string_view>

namespace kr {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool tagAt(const std::vector<std::uint8_t>& b, std::size_t at, std::string_view tag) {
  return at + 4 <= b.size() && std::string_view(reinterpret_cast<const char*>(&b[at]), 4) == tag;
}

struct Format {
  unsigned channels = 0;
  unsigned rate = 0;
  unsigned bits = 0;
};

// One frame's sample, its channels averaged.
std::int16_t frameAt(const std::vector<std::uint8_t>& b, std::size_t at, const Format& f) {
  int sum = 0;
  for (unsigned c = 0; c < f.channels; ++c) {
    if (f.bits == 8) sum += (static_cast<int>(b[at + c]) - 128) * 256;
    else sum += static_cast<std::int16_t>(u16(b, at + 2 * c));
  }
  return static_cast<std::int16_t>(sum / static_cast<int>(f.channels));
}

}  // namespace

std::vector<std::int16_t> decodeWave(const std::vector<std::uint8_t>& b) {
  if (!tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) return {};
  Format f;
  std::size_t data = 0, dataSize = 0;
  // The chunks: "fmt " says how the samples are kept, "data" holds them; others are skipped.
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::size_t size = u32(b, at + 4);
    const std::size_t body = at + 8;
    if (tagAt(b, at, "fmt ") && size >= 16 && body + 16 <= b.size()) {
      if (u16(b, body) != 1) return {};  // compressed or floating point
      f = {u16(b, body + 2), u32(b, body + 4), u16(b, body + 14)};
    } else if (tagAt(b, at, "data")) {
      data = body;
      dataSize = std::min(size, b.size() - body);  // a file cut short plays what it has
      break;
    }
    at = body + size + size % 2;
  }
  if (data == 0 || f.channels == 0 || f.channels > 8 || f.rate < 1000 || f.rate > 384000 ||
      (f.bits != 8 && f.bits != 16))
    return {};
  const std::size_t frameBytes = f.channels * f.bits / 8;
  const std::size_t frames = dataSize / frameBytes;
  std::vector<std::int16_t> in(frames);
  for (std::size_t i = 0; i < frames; ++i) in[i] = frameAt(b, data + i * frameBytes, f);
  if (f.rate == kChannelRate || frames == 0) return in;

  // Linear interpolation between the two nearest frames.
  const double step = static_cast<double>(f.rate) / kChannelRate;
  const auto count = static_cast<std::size_t>(static_cast<double>(frames) / step);
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double pos = static_cast<double>(i) * step;
    const auto left = static_cast<std::size_t>(pos);
    const std::size_t right = std::min(left + 1, frames - 1);
    const double t = pos - static_cast<double>(left);
    out[i] = static_cast<std::int16_t>(in[left] + t * (in[right] - in[left]));
  }
  return out;
}

std::vector<std::int16_t> decodeWaveFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return decodeWave({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

}  // namespace kr
