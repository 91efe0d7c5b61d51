// A private PulseAudio server for the sound tests and the latency benchmark: one null sink,
// its own socket and runtime folder, started and ended by the test itself; and a recording
// of that sink's monitor by parecord, each piece stamped with the time it arrived.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

namespace kr::test {

using SteadyTime = std::chrono::steady_clock::time_point;

class SoundServer {
 public:
  // Starts the server; running() says whether it came up, whyNot() why it did not.
  SoundServer();
  ~SoundServer();
  SoundServer(const SoundServer&) = delete;
  SoundServer& operator=(const SoundServer&) = delete;

  bool running() const { return pid_ > 0; }
  const std::string& whyNot() const { return whyNot_; }
  // What PULSE_SERVER names it by: "unix:" and its socket.
  std::string address() const;
  // Ends the server at once, as a crash would; start() brings it back on the same socket.
  void kill();
  bool start();
  // How many playback streams the server has open (pactl's list of sink inputs), and how
  // many of them are not corked, so that the server plays them.
  int streamsOpen() const;
  int streamsPlaying() const;
  // Stops the server as a hung one stands (SIGSTOP), and lets it go on (SIGCONT).
  void pause();
  void resume();

 private:
  // What pactl answers to the command.
  std::string ask(const std::string& command) const;

  TempFolder folder_;
  pid_t pid_ = -1;
  std::string whyNot_;
};

// parecord of the null sink's monitor: mono, 16 bits, kRecordRate.
class MonitorRecording {
 public:
  static constexpr int kRate = 22050;

  explicit MonitorRecording(const SoundServer& server);
  ~MonitorRecording();
  MonitorRecording(const MonitorRecording&) = delete;
  MonitorRecording& operator=(const MonitorRecording&) = delete;

  // True once the first samples came in (waits a few seconds at most).
  bool started();
  // What was recorded so far.
  std::vector<std::int16_t> samples() const;
  // When the piece holding that sample arrived from the server.
  SteadyTime arrivalOf(std::size_t sample) const;
  // Waits (a few seconds at most) until a piece arrived after the time given; false when
  // none did.
  bool reaches(SteadyTime time) const;

 private:
  void readAll(int fd);

  pid_t pid_ = -1;
  std::thread reader_;
  mutable std::mutex mutex_;
  mutable std::condition_variable arrived_;
  std::vector<std::int16_t> samples_;
  // Each piece's end (in samples) and when it arrived.
  std::vector<std::pair<std::size_t, SteadyTime>> arrivals_;
};

}  // namespace kr::test
