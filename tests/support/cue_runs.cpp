#include "support/cue_runs.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "cue_synth.h"

namespace kr::test {
namespace {

// Runs the game thread's event loop until then, as the game's thread does between its ticks.
void runEventsUntil(SteadyTime then) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      then - std::chrono::steady_clock::now());
  if (left.count() > 1) {
    QEventLoop loop;
    QTimer::singleShot(left - std::chrono::milliseconds(1), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
  }
  std::this_thread::sleep_until(then);
}

}  // namespace

std::vector<std::int16_t> cueSamples(const char* cue) { return cue_synth::cueSamples(cue); }

RunHeard playAndHear(Platform& platform, const std::string& cueFolder, const SoundServer& server,
                     const CueRun& run) {
  RunHeard out;
  MonitorRecording recording(server);
  if (!recording.started()) return out;
  out.recorded = true;
  SteadyTime due = std::chrono::steady_clock::now();
  SteadyTime over = due;
  for (const CueStep& step : run.steps) {
    // The game's timers, at their real intervals.
    due += std::chrono::milliseconds(step.afterMs);
    runEventsUntil(due);
    Played play{cueSamples(step.cue), std::chrono::steady_clock::now()};
    platform.playSound(cueFolder + "/" + step.cue);
    over =
        play.at + std::chrono::microseconds(play.cue.size() * 1'000'000 / MonitorRecording::kRate);
    out.plays.push_back(std::move(play));
  }
  // The last cue, and a little silence after it.
  runEventsUntil(over + std::chrono::milliseconds(100));
  recording.reaches(over + std::chrono::milliseconds(100));
  out.hearing = hear(recording, out.plays);
  return out;
}

}  // namespace kr::test
