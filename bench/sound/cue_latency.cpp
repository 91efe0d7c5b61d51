// How soon and how whole the game's cues reach a sound server: the real sound module, loaded
// by the real platform, plays runs of cues at the game's intervals (the briefing's typing,
// building, the mission won, a cue cut off by the next) into a private PulseAudio server
// whose monitor parecord records. For each run: the separate sounds heard against the cues
// played, and the latency from each play call to the arrival of the sound's first loud
// sample from the server, median and worst. The first cue, which opens the stream, is
// reported on its own.
//
//   cue_latency --program-folder DIR [--repeats N]
//
// DIR holds the sound module and the cues (build/bin); each run is played N times (3), the
// latencies of all its repeats pooled. Prints one tab-separated line per run: "cues", its
// name, sounds heard, sounds expected, cues played, median and worst latency in ms, worst
// spacing and length error in ms. Exits 77 when no sound server can be started.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cue_runs.h"
#include "support/sound_server.h"
#include "ui/platform/qt_platform.h"

namespace kr::test {
namespace {

void report(const char* name, std::size_t heard, std::size_t expected, std::size_t played,
            std::vector<double> latencies, double spacing, double length) {
  std::sort(latencies.begin(), latencies.end());
  const double median = latencies.empty() ? -1 : latencies[latencies.size() / 2];
  const double worst = latencies.empty() ? -1 : latencies.back();
  std::printf("cues\t%s\t%zu\t%zu\t%zu\t%.1f\t%.1f\t%.1f\t%.1f\n", name, heard, expected, played,
              median, worst, spacing, length);
}

int measure(const std::string& folder, int repeats) {
  SoundServer server;
  if (!server.running()) {
    std::printf("no private sound server: %s\n", server.whyNot().c_str());
    return 77;
  }
  setenv("PULSE_SERVER", server.address().c_str(), 1);
  QtPlatform platform(QString::fromStdString(folder));
  const RunHeard first = playAndHear(platform, folder, server, winRun());
  if (!first.recorded) {
    std::printf("parecord did not record the server's monitor\n");
    return 1;
  }
  report("first cue (opens the stream)", first.hearing.heard.size(), first.hearing.expected.size(),
         1, first.hearing.latenciesMs, 0, 0);
  for (const CueRun& run : {briefingRun(), buildingRun(), winRun(), replacedRun()}) {
    std::size_t heard = 0, expected = 0, played = 0;
    std::vector<double> latencies;
    double spacing = 0, length = 0;
    for (int i = 0; i < repeats; ++i) {
      const RunHeard r = playAndHear(platform, folder, server, run);
      heard += r.hearing.heard.size();
      expected += r.hearing.expected.size();
      played += run.steps.size();
      latencies.insert(latencies.end(), r.hearing.latenciesMs.begin(), r.hearing.latenciesMs.end());
      spacing = std::max(spacing, r.hearing.worstSpacingMs);
      length = std::max(length, r.hearing.worstLengthMs);
    }
    report(run.name.c_str(), heard, expected, played, latencies, spacing, length);
  }
  return 0;
}

}  // namespace
}  // namespace kr::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::string folder;
  int repeats = 3;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--program-folder" && i + 1 < argc) folder = argv[++i];
    if (a == "--repeats" && i + 1 < argc) repeats = std::atoi(argv[++i]);
  }
  if (folder.empty() || repeats < 1) {
    std::fprintf(stderr, "usage: %s --program-folder DIR [--repeats N]\n", argv[0]);
    return 2;
  }
  return kr::test::measure(folder, repeats);
}
