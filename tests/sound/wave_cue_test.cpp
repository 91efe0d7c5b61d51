// The sound module decodes each wave once into 16-bit mono at the channel's rate: the game's
// cues as they are, other PCM waves mixed down and resampled, anything else refused.
#include "ui/platform/sound/wave_cue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cue_synth.h"

namespace kr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void putTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A RIFF WAVE file: its format chunk, an optional chunk before the data, and the data, whose
// stated size may differ from what follows.
Bytes wave(unsigned format, unsigned channels, unsigned rate, unsigned bits, const Bytes& data,
           bool listChunk = false, std::uint32_t statedSize = 0) {
  Bytes b;
  putTag(b, "RIFF");
  put32(b, 0);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, format);
  put16(b, channels);
  put32(b, rate);
  put32(b, rate * channels * bits / 8);
  put16(b, channels * bits / 8);
  put16(b, bits);
  if (listChunk) {
    putTag(b, "LIST");
    put32(b, 3);  // an odd size: padded to the next even byte
    b.insert(b.end(), {'a', 'b', 'c', 0});
  }
  putTag(b, "data");
  put32(b, statedSize ? statedSize : static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

Bytes samples16(const std::vector<int>& values) {
  Bytes b;
  for (int v : values) put16(b, static_cast<unsigned>(v) & 0xFFFF);
  return b;
}

Bytes withoutLast(Bytes b, std::size_t count) {
  b.resize(b.size() - count);
  return b;
}

TEST(WaveCue, DecodesWhatItCanAndRefusesTheRest) {
  struct Case {
    const char* what;
    Bytes file;
    std::vector<std::int16_t> samples;
  };
  const Case cases[] = {
      {"mono 16 bits at the channel's rate",
       wave(1, 1, 22050, 16, samples16({0, 1000, -1000})),
       {0, 1000, -1000}},
      {"a chunk before the data", wave(1, 1, 22050, 16, samples16({5, 6}), true), {5, 6}},
      {"stereo: the channels averaged",
       wave(1, 2, 22050, 16, samples16({100, 300, -50, -150})),
       {200, -100}},
      {"8 bits: unsigned, centred on 128",
       wave(1, 1, 22050, 8, {128, 192, 64}),
       {0, 16384, -16384}},
      {"twice the rate: every other frame",
       wave(1, 1, 44100, 16, samples16({0, 50, 100, 150})),
       {0, 100}},
      {"data cut short: what is there",
       wave(1, 1, 22050, 16, samples16({7, 8}), false, 1000),
       {7, 8}},
      {"floating point", wave(3, 1, 22050, 32, Bytes(8, 0)), {}},
      {"24 bits", wave(1, 1, 22050, 24, Bytes(6, 0)), {}},
      {"no wave at all", Bytes{'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
      {"no data chunk", withoutLast(wave(1, 1, 22050, 16, {}), 8), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeWave(c.file), c.samples) << c.what;
}

TEST(WaveCue, TheGamesCuesComeOutAsTheyWereMade) {
  for (auto name : cue_synth::kCueNames)
    EXPECT_EQ(decodeWave(cue_synth::cueWav(name)), cue_synth::cueSamples(name)) << name;
}

}  // namespace
}  // namespace kr::test
