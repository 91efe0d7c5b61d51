// The synthesised sound cues must be WAV files any player accepts, of a
// length that fits their event, audible, unclipped and telling apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cue_synth.h"

namespace {

using kr::cue_synth::cueSamples;
using kr::cue_synth::cueWav;
using kr::cue_synth::kCueNames;

struct CueCase {
  std::string_view name;
  double minSeconds;
  double maxSeconds;
};

// Every cue with the length its event allows.
constexpr CueCase kCases[] = {
    {"Click.smus", 0.05, 0.15},   // UI click: over before the finger lifts
    {"building.smus", 0.2, 0.8},  // two-note chime
    {"Ass.smus", 0.2, 0.6},       // refusal buzz
    {"build.smus", 0.15, 0.6},    // thud of a building
    {"locator.smus", 0.3, 1.2},   // ping with echoes
    {"Pus.smus", 0.15, 0.8},      // whoosh
    {"klac.smus", 0.04, 0.06},    // typewriter key, played per letter
    {"endwrite.smus", 0.8, 1.2},  // bell rings out for about a second
    {"default.wav", 0.05, 0.4},   // neutral beep
};

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::string tag(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), 4);
}

// Samples read back from the file's data chunk.
std::vector<std::int16_t> dataOf(const std::vector<std::uint8_t>& wav) {
  const std::size_t count = u32(wav, 40) / 2;
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int16_t>(u16(wav, 44 + 2 * i));
  return out;
}

void PrintTo(const CueCase& c, std::ostream* os) { *os << c.name; }

class CueFile : public ::testing::TestWithParam<CueCase> {};

TEST_P(CueFile, IsAnAudibleUnclippedPcmWaveOfFittingLength) {
  const CueCase& c = GetParam();
  const auto wav = cueWav(c.name);
  ASSERT_GE(wav.size(), 44u);

  // RIFF header and chunk sizes agree with the file.
  EXPECT_EQ(tag(wav, 0), "RIFF");
  EXPECT_EQ(u32(wav, 4), wav.size() - 8);
  EXPECT_EQ(tag(wav, 8), "WAVE");
  EXPECT_EQ(tag(wav, 12), "fmt ");
  EXPECT_EQ(u32(wav, 16), 16u);
  EXPECT_EQ(u16(wav, 20), 1u) << "PCM";
  EXPECT_EQ(u16(wav, 22), 1u) << "mono";
  EXPECT_EQ(u32(wav, 24), 22050u);
  EXPECT_EQ(u32(wav, 28), 22050u * 2) << "byte rate";
  EXPECT_EQ(u16(wav, 32), 2u) << "block align";
  EXPECT_EQ(u16(wav, 34), 16u);
  EXPECT_EQ(tag(wav, 36), "data");
  ASSERT_EQ(u32(wav, 40), wav.size() - 44);
  EXPECT_EQ(wav.size() % 2, 0u);

  const auto samples = dataOf(wav);
  EXPECT_EQ(samples, cueSamples(c.name));
  const double seconds = static_cast<double>(samples.size()) / 22050.0;
  EXPECT_GE(seconds, c.minSeconds);
  EXPECT_LE(seconds, c.maxSeconds);

  int peak = 0;
  double energy = 0.0;
  for (std::int16_t s : samples) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
    energy += static_cast<double>(s) * s;
  }
  const double rms = std::sqrt(energy / static_cast<double>(samples.size()));
  EXPECT_LT(peak, 32767) << "clipped at full scale";
  EXPECT_GT(peak, 16000) << "too quiet";
  EXPECT_GT(rms, 1000.0) << "nearly silent";
  // Starts and ends near zero, so playing it adds no click of its own.
  EXPECT_LT(std::abs(samples.front()), 500);
  EXPECT_LT(std::abs(samples.back()), 500);

  // Reproducible: the same bytes every time.
  EXPECT_EQ(cueWav(c.name), wav);
}

INSTANTIATE_TEST_SUITE_P(AllCues, CueFile, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n(info.param.name);
  std::replace(n.begin(), n.end(), '.', '_');
  return n;
});

TEST(CueFiles, TableCoversEveryCueAndNothingElseIsACue) {
  std::vector<std::string_view> tabled;
  for (const auto& c : kCases) tabled.push_back(c.name);
  std::vector<std::string_view> names(kCueNames.begin(), kCueNames.end());
  std::sort(tabled.begin(), tabled.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(tabled, names);
  EXPECT_TRUE(cueWav("missing.smus").empty());
  EXPECT_TRUE(cueWav("").empty());
}

// Each pair of cues must sound different, not merely differ in a few bytes:
// compare the loudness envelope and the zero-crossing rate (a rough pitch).
TEST(CueFiles, EveryPairSoundsDifferent) {
  struct Shape {
    std::vector<double> envelope;  // RMS per 10 ms
    double crossingsPerSecond;
  };
  std::map<std::string_view, Shape> shapes;
  for (auto name : kCueNames) {
    const auto s = cueSamples(name);
    Shape shape;
    const std::size_t window = 220;
    for (std::size_t at = 0; at < s.size(); at += window) {
      double e = 0.0;
      const std::size_t end = std::min(s.size(), at + window);
      for (std::size_t i = at; i < end; ++i) e += static_cast<double>(s[i]) * s[i];
      shape.envelope.push_back(std::sqrt(e / static_cast<double>(end - at)) / 32768.0);
    }
    int crossings = 0;
    for (std::size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    shape.crossingsPerSecond = crossings * 22050.0 / static_cast<double>(s.size());
    shapes[name] = shape;
  }
  for (auto a = shapes.begin(); a != shapes.end(); ++a) {
    for (auto b = std::next(a); b != shapes.end(); ++b) {
      const auto& ea = a->second.envelope;
      const auto& eb = b->second.envelope;
      double diff = 0.0;
      const std::size_t n = std::max(ea.size(), eb.size());
      for (std::size_t i = 0; i < n; ++i) {
        diff += std::abs((i < ea.size() ? ea[i] : 0.0) - (i < eb.size() ? eb[i] : 0.0));
      }
      diff /= static_cast<double>(n);
      const double ca = a->second.crossingsPerSecond;
      const double cb = b->second.crossingsPerSecond;
      const double pitchRatio = std::max(ca, cb) / std::max(1.0, std::min(ca, cb));
      EXPECT_TRUE(diff > 0.03 || pitchRatio > 1.3)
          << a->first << " and " << b->first << " sound alike: envelope difference " << diff
          << ", crossing rates " << ca << " and " << cb;
    }
  }
}

}  // namespace
