#pragma once
// The game's sound cues, synthesised from sines, squares and noise.
// Each cue is a short 16-bit mono 22050 Hz PCM RIFF WAVE file. The noise comes
// from a seeded xorshift generator, so the same cue always gives the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "model/cues.h"

namespace kr::cue_synth {

inline constexpr int kSampleRate = 22050;
inline constexpr int kBitsPerSample = 16;
inline constexpr int kChannels = 1;

// File names of every cue the game plays. default.wav stands in for any cue
// whose file is missing or cannot be played.
inline constexpr std::array<std::string_view, 9> kCueNames{
    kr::cue::kClick,         kr::cue::kOrderTaken, kr::cue::kRefused,
    kr::cue::kPutDown,       kr::cue::kRadar,      kr::cue::kWhoosh,
    kr::cue::kTypewriterKey, kr::cue::kEndOfText,  kr::cue::kDefault,
};

namespace detail {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kPeak = 0.8;  // loudest sample, as a share of full scale
// Steady tones (the buzz, the beep) carry far more energy per peak than the
// decaying ones, so they are set lower to sound about as loud.
inline constexpr double kSteadyPeak = 0.55;

// xorshift32: small, fast and the same everywhere.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  // Uniform in [-1, 1).
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

using Buffer = std::vector<double>;

inline Buffer silence(double seconds) {
  return Buffer(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

inline double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// Short linear ramps at both ends so no cue starts or stops with a click of its own.
inline void fadeEdges(Buffer& b, double seconds) {
  const std::size_t n = std::min(b.size() / 2, static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < n; ++i) {
    const double g = static_cast<double>(i) / static_cast<double>(n);
    b[i] *= g;
    b[b.size() - 1 - i] *= g;
  }
}

// Adds a decaying sine with its frequency gliding from f0 to f1 over the tone.
inline void addTone(Buffer& b, double start, double length, double f0, double f1, double amp,
                    double decay, double attack = 0.004) {
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  const auto count = static_cast<std::size_t>(length * kSampleRate);
  double phase = 0.0;
  for (std::size_t k = 0; k < count && first + k < b.size(); ++k) {
    const double t = timeOf(k);
    const double f = f0 + (f1 - f0) * (t / length);
    phase += 2.0 * kPi * f / kSampleRate;
    const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
    b[first + k] += amp * env * std::sin(phase);
  }
}

// Scales the cue so its loudest sample sits at `level` of full scale.
inline void normalise(Buffer& b, double level) {
  double peak = 0.0;
  for (double v : b) peak = std::max(peak, std::abs(v));
  if (peak <= 0.0) return;
  for (double& v : b) v *= level / peak;
}

// A soft wooden tap: a short 1.1 kHz blip with just a breath of noise.
inline Buffer click() {
  Buffer b = silence(0.07);
  Noise noise(0xC11Cu);
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = timeOf(i);
    b[i] += 0.25 * noise.next() * std::exp(-t / 0.002);
    b[i] += std::sin(2.0 * kPi * 1100.0 * t) * std::exp(-t / 0.012);
  }
  return b;
}

// Order taken: two bell-like notes, the second a fifth higher.
inline Buffer chime() {
  Buffer b = silence(0.55);
  for (auto [start, f] : {std::pair{0.0, 659.25}, std::pair{0.16, 987.77}}) {
    addTone(b, start, 0.55 - start, f, f, 1.0, 0.14);
    addTone(b, start, 0.55 - start, 2.0 * f, 2.0 * f, 0.3, 0.07);
    addTone(b, start, 0.55 - start, 3.0 * f, 3.0 * f, 0.1, 0.04);
  }
  return b;
}

// Refusal: two harsh pulses of a low, slightly detuned square pair.
inline Buffer buzz() {
  Buffer b = silence(0.42);
  constexpr std::array<std::pair<double, double>, 2> pulses{{{0.0, 0.17}, {0.22, 0.18}}};
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = timeOf(i);
    for (auto [start, length] : pulses) {
      const double local = t - start;
      if (local < 0.0 || local >= length) continue;
      const double env = std::min({1.0, local / 0.005, (length - local) / 0.01});
      const double a = std::sin(2.0 * kPi * 110.0 * t) >= 0.0 ? 1.0 : -1.0;
      const double c = std::sin(2.0 * kPi * 116.5 * t) >= 0.0 ? 1.0 : -1.0;
      b[i] = 0.5 * (a + c) * env;
    }
  }
  return b;
}

// A building set down: a falling low sine and a muffled burst of noise.
inline Buffer thud() {
  Buffer b = silence(0.4);
  addTone(b, 0.0, 0.4, 95.0, 38.0, 1.0, 0.11, 0.002);
  Noise noise(0xB0DDu);
  double low = 0.0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = timeOf(i);
    low += 0.08 * (noise.next() - low);  // one-pole low-pass: keeps only the rumble
    b[i] += 1.6 * low * std::exp(-t / 0.05);
  }
  return b;
}

// Radar ping: a clean high sine and two fainter echoes.
inline Buffer ping() {
  Buffer b = silence(0.9);
  const double f = 1760.0;
  addTone(b, 0.0, 0.9, f, f, 1.0, 0.09, 0.002);
  addTone(b, 0.22, 0.68, f, f, 0.35, 0.09, 0.002);
  addTone(b, 0.44, 0.46, f, f, 0.12, 0.09, 0.002);
  return b;
}

// Soft whoosh that ends in a low pop: air rushing through a sweeping filter.
inline Buffer whoosh() {
  const double length = 0.45;
  Buffer b = silence(length);
  Noise noise(0x9055u);
  double low = 0.0;
  double lower = 0.0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = timeOf(i);
    const double x = t / 0.34;  // the whoosh part
    if (x < 1.0) {
      const double cutoff = 0.02 + 0.2 * std::sin(kPi * x);  // opens, then closes
      low += cutoff * (noise.next() - low);                  // two low-pass stages keep it soft
      lower += cutoff * (low - lower);
      b[i] += 2.0 * lower * std::sin(kPi * x) * std::sin(kPi * x);
    }
  }
  addTone(b, 0.30, length - 0.30, 320.0, 140.0, 0.9, 0.035, 0.003);
  return b;
}

// Typewriter key: a hard, very short metallic tick.
inline Buffer key() {
  Buffer b = silence(0.055);
  Noise noise(0x7EE7u);
  for (std::size_t i = 0; i < b.size(); ++i) {
    const double t = timeOf(i);
    b[i] += noise.next() * std::exp(-t / 0.0025);
    b[i] += 0.6 * std::sin(2.0 * kPi * 1850.0 * t) * std::exp(-t / 0.006);
    b[i] += 0.35 * std::sin(2.0 * kPi * 3300.0 * t) * std::exp(-t / 0.004);
  }
  return b;
}

// End of line: a bright bell with inharmonic partials ringing out for a second.
inline Buffer bell() {
  Buffer b = silence(1.1);
  const double f = 1568.0;  // G6; its highest partial stays below half the sample rate
  addTone(b, 0.0, 1.1, f, f, 1.0, 0.32, 0.001);
  addTone(b, 0.0, 1.1, 2.76 * f, 2.76 * f, 0.45, 0.12, 0.001);
  addTone(b, 0.0, 1.1, 5.40 * f, 5.40 * f, 0.2, 0.05, 0.001);
  addTone(b, 0.0, 1.1, 0.5 * f, 0.5 * f, 0.25, 0.4, 0.001);
  return b;
}

// Plain beep for any cue the game cannot find.
inline Buffer beep() {
  Buffer b = silence(0.16);
  for (std::size_t i = 0; i < b.size(); ++i) {
    b[i] = std::sin(2.0 * kPi * 880.0 * timeOf(i));
  }
  fadeEdges(b, 0.012);
  return b;
}

inline void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace detail

// The 16-bit samples of a cue; empty for a name that is not a cue.
inline std::vector<std::int16_t> cueSamples(std::string_view name) {
  using namespace detail;
  Buffer b;
  double level = kPeak;
  if (name == std::string_view(kr::cue::kClick)) b = click();
  else if (name == std::string_view(kr::cue::kOrderTaken)) b = chime();
  else if (name == std::string_view(kr::cue::kRefused)) b = buzz(), level = kSteadyPeak;
  else if (name == std::string_view(kr::cue::kPutDown)) b = thud();
  else if (name == std::string_view(kr::cue::kRadar)) b = ping();
  else if (name == std::string_view(kr::cue::kWhoosh)) b = whoosh();
  else if (name == std::string_view(kr::cue::kTypewriterKey)) b = key();
  else if (name == std::string_view(kr::cue::kEndOfText)) b = bell();
  else if (name == std::string_view(kr::cue::kDefault)) b = beep(), level = kSteadyPeak;
  else return {};
  fadeEdges(b, 0.002);
  normalise(b, level);
  std::vector<std::int16_t> out(b.size());
  std::transform(b.begin(), b.end(), out.begin(), [](double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
  });
  return out;
}

// A complete RIFF WAVE file (PCM, 16-bit, mono, kSampleRate) holding the samples.
inline std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples) {
  using namespace detail;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
  const std::uint16_t blockAlign = kChannels * kBitsPerSample / 8;
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataSize);
  putTag(out, "RIFF");
  putU32(out, 36 + dataSize);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  putU32(out, 16);
  putU16(out, 1);  // PCM
  putU16(out, kChannels);
  putU32(out, kSampleRate);
  putU32(out, kSampleRate * blockAlign);
  putU16(out, blockAlign);
  putU16(out, kBitsPerSample);
  putTag(out, "data");
  putU32(out, dataSize);
  for (std::int16_t s : samples) putU16(out, static_cast<std::uint16_t>(s));
  return out;
}

// The file contents of a cue; empty for a name that is not a cue.
inline std::vector<std::uint8_t> cueWav(std::string_view name) {
  auto samples = cueSamples(name);
  if (samples.empty()) return {};
  return wavBytes(samples);
}

}  // namespace kr::cue_synth
