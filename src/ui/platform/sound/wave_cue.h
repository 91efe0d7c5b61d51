// A waveform file decoded once into the samples the sound channel writes: 16-bit mono at
// kChannelRate, the format the game's cues are made in. Other PCM waves (8 or 16 bits, mono
// or stereo, any rate; a music track a player put beside the program) are mixed down to one
// channel and resampled on the way in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kr {

inline constexpr int kChannelRate = 22050;

// The samples of a RIFF WAVE file's bytes; empty when they are no PCM wave this can read.
std::vector<std::int16_t> decodeWave(const std::vector<std::uint8_t>& bytes);

// The same for a file; empty when it cannot be read.
std::vector<std::int16_t> decodeWaveFile(const std::string& path);

}  // namespace kr
