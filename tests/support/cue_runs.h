// Runs of cues as the game plays them, at the game's intervals, for the sound tests and the
// cue latency benchmark: each cue after the time since the one before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/cues.h"
#include "model/platform/platform.h"
#include "support/heard_sounds.h"

namespace kr::test {

struct CueStep {
  const char* cue;
  int afterMs;  // since the step before
};

struct CueRun {
  std::string name;
  std::vector<CueStep> steps;
  // The separate sounds a recording holds: one a cue, unless a cue cut off the one before
  // without a pause between them.
  int sounds;
};

// The briefing types a letter every 80 ms with a key click, pauses 500 ms after a sentence,
// and rings the bell one tick after the last letter.
inline CueRun briefingRun() {
  CueRun run{"briefing typing", {}, 0};
  for (int letter = 0; letter < 12; ++letter)
    run.steps.push_back({cue::kTypewriterKey, letter == 0 ? 0 : letter == 6 ? 580 : 80});
  run.steps.push_back({cue::kEndOfText, 80});
  run.sounds = static_cast<int>(run.steps.size());
  return run;
}

// An order paid, the finished item taken in hand a second later, put down on the map.
inline CueRun buildingRun() {
  return {"building: order, taking, placing",
          {{cue::kOrderTaken, 0}, {cue::kClick, 1000}, {cue::kPutDown, 400}},
          3};
}

// The mission won: the whoosh after the announcement.
inline CueRun winRun() { return {"mission won", {{cue::kWhoosh, 0}}, 1}; }

// The bell cut off by a click after 200 ms: one sound, as long as the bell's first 200 ms
// and the whole click.
inline CueRun replacedRun() {
  return {"bell cut off by a click", {{cue::kEndOfText, 0}, {cue::kClick, 200}}, 1};
}

// The samples of a cue as the build makes it.
std::vector<std::int16_t> cueSamples(const char* cue);

struct RunHeard {
  bool recorded = false;  // false when parecord did not come up
  std::vector<Played> plays;
  Hearing hearing;
};

// Plays the run on the platform, its cues from cueFolder, while the server's monitor is
// recorded, and compares the recording with what was played. Between the cues the calling
// thread runs its Qt event loop, as the game's thread does.
RunHeard playAndHear(Platform& platform, const std::string& cueFolder, const SoundServer& server,
                     const CueRun& run);

}  // namespace kr::test
