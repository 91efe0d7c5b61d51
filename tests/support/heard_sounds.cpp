#include "support/heard_sounds.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace kr::test {
namespace {

constexpr int kWhisper = 300;  // a sample louder than this is sound, not silence
constexpr int kRate = MonitorRecording::kRate;

double msOf(std::ptrdiff_t samples) { return static_cast<double>(samples) * 1000.0 / kRate; }

std::size_t samplesOf(std::chrono::steady_clock::duration d) {
  return static_cast<std::size_t>(
      std::llround(std::chrono::duration<double>(d).count() * static_cast<double>(kRate)));
}

}  // namespace

std::vector<Sound> soundsIn(const std::vector<std::int16_t>& samples, int rate) {
  const std::size_t window = static_cast<std::size_t>(rate / 1000);
  const std::size_t joined = window * kJoinedGapMs;
  std::vector<Sound> out;
  for (std::size_t at = 0; at < samples.size(); at += window) {
    const std::size_t end = std::min(samples.size(), at + window);
    const bool loud = std::any_of(samples.begin() + static_cast<std::ptrdiff_t>(at),
                                  samples.begin() + static_cast<std::ptrdiff_t>(end),
                                  [](std::int16_t s) { return std::abs(s) > kWhisper; });
    if (!loud) continue;
    if (!out.empty() && at - out.back().to < joined) out.back().to = end;
    else out.push_back({at, end});
  }
  return out;
}

std::vector<std::int16_t> renditionOf(const std::vector<Played>& plays) {
  std::vector<std::int16_t> out;
  for (std::size_t i = 0; i < plays.size(); ++i) {
    const std::size_t start = samplesOf(plays[i].at - plays.front().at);
    out.resize(start, 0);  // silence up to it, or the last cue cut off here
    out.insert(out.end(), plays[i].cue.begin(), plays[i].cue.end());
  }
  return out;
}

Hearing hear(const MonitorRecording& recording, const std::vector<Played>& plays) {
  Hearing h;
  h.heard = soundsIn(recording.samples(), kRate);
  h.expected = soundsIn(renditionOf(plays), kRate);
  if (plays.empty() || h.heard.empty() || h.heard.size() != h.expected.size()) return h;
  // Each sound's start in the recording less its start in the rendition: the same for every
  // sound when they are spaced as the plays were. Measured against the median, so that one
  // late sound does not make all the others look early.
  std::vector<std::ptrdiff_t> offsets;
  for (std::size_t i = 0; i < h.heard.size(); ++i)
    offsets.push_back(static_cast<std::ptrdiff_t>(h.heard[i].from) -
                      static_cast<std::ptrdiff_t>(h.expected[i].from));
  std::vector<std::ptrdiff_t> sorted = offsets;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2),
                   sorted.end());
  const std::ptrdiff_t median = sorted[sorted.size() / 2];
  const auto length = [](const Sound& s) { return static_cast<std::ptrdiff_t>(s.to - s.from); };
  for (std::size_t i = 0; i < h.heard.size(); ++i) {
    h.worstSpacingMs = std::max(h.worstSpacingMs, std::abs(msOf(offsets[i] - median)));
    h.worstLengthMs =
        std::max(h.worstLengthMs, std::abs(msOf(length(h.heard[i]) - length(h.expected[i]))));
    const SteadyTime due =
        plays.front().at + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                               std::chrono::duration<double>(
                                   msOf(static_cast<std::ptrdiff_t>(h.expected[i].from)) / 1000.0));
    h.latenciesMs.push_back(
        std::chrono::duration<double, std::milli>(recording.arrivalOf(h.heard[i].from) - due)
            .count());
  }
  return h;
}

}  // namespace kr::test
