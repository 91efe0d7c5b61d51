// What a recording of the sound server holds: the separate sounds in it, and what it should
// hold when the game played a list of cues at given times on its one channel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/sound_server.h"

namespace kr::test {

// One sound: its first and one past its last loud sample.
struct Sound {
  std::size_t from = 0;
  std::size_t to = 0;
};

// The sounds of a recording at rate: millisecond windows louder than a whisper, a quiet
// stretch shorter than kJoinedGapMs inside one sound (a cue's own pauses) joining its parts.
inline constexpr int kJoinedGapMs = 30;
std::vector<Sound> soundsIn(const std::vector<std::int16_t>& samples, int rate);

// A cue the game played, and when.
struct Played {
  std::vector<std::int16_t> cue;  // its samples at MonitorRecording::kRate
  SteadyTime at;
};

// The one channel's output for those plays: each cue from its start until it ends or the
// next one replaces it, silence between. Sample 0 is the first play.
std::vector<std::int16_t> renditionOf(const std::vector<Played>& plays);

// How a recording compares with the rendition of what was played.
struct Hearing {
  std::vector<Sound> heard;     // in the recording
  std::vector<Sound> expected;  // in the rendition
  // The worst difference, in ms, between recording and rendition (when as many sounds were
  // heard) of a sound's start, against the median difference of all, and of its length.
  double worstSpacingMs = 0;
  double worstLengthMs = 0;
  // From each play call to the arrival of its first loud sample from the server, in ms.
  std::vector<double> latenciesMs;
};
Hearing hear(const MonitorRecording& recording, const std::vector<Played>& plays);

}  // namespace kr::test
