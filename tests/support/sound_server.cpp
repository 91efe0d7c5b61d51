#include "support/sound_server.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace kr::test {
namespace {

using namespace std::chrono_literals;

// The environment of this process with some variables set anew.
std::vector<std::string> environmentWith(const std::vector<std::string>& settings) {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const std::string& s : settings)
      replaced = replaced || entry.compare(0, s.find('=') + 1, s, 0, s.find('=') + 1) == 0;
    if (!replaced) out.push_back(entry);
  }
  out.insert(out.end(), settings.begin(), settings.end());
  return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Starts a program found on PATH with stdout going to stdoutFd (or to logFile when it is
// -1) and stderr to logFile; the process id, or -1.
pid_t spawn(std::vector<std::string> args, std::vector<std::string> env, int stdoutFd,
            const std::string& logFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logFile.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  else posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  pid_t pid = -1;
  const std::vector<char*> argv = pointers(args);
  const std::vector<char*> envp = pointers(env);
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (std::size_t from = 0; from <= dirs.size();) {
    const std::size_t to = std::min(dirs.find(':', from), dirs.size());
    if (access((dirs.substr(from, to - from) + "/" + program).c_str(), X_OK) == 0) return true;
    from = to + 1;
  }
  return false;
}

bool accepts(const std::string& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, socketPath.c_str(), sizeof addr.sun_path - 1);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::close(fd);
  return ok;
}

std::string lastLines(const std::string& file) {
  std::ifstream in(file);
  std::string line, out;
  while (std::getline(in, line)) out = line;
  return out;
}

}  // namespace

SoundServer::SoundServer() {
  if (folder_.path().empty()) {
    whyNot_ = "no temporary folder for it";
    return;
  }
  if (!onPath("pulseaudio")) {
    whyNot_ = "pulseaudio is not installed (scripts/deps.sh installs it)";
    return;
  }
  std::filesystem::create_directories(folder_.file("run"));
  std::ofstream(folder_.file("server.pa"))
      << "load-module module-null-sink sink_name=cues\n"
      << "load-module module-native-protocol-unix auth-anonymous=1 socket="
      << folder_.file("native") << "\nset-default-sink cues\n";
  start();
}

SoundServer::~SoundServer() { kill(); }

std::string SoundServer::address() const { return "unix:" + folder_.file("native"); }

bool SoundServer::start() {
  if (running()) return true;
  std::filesystem::remove(folder_.file("native"));
  const std::string& dir = folder_.path();
  pid_ = spawn(
      // Should this process die without ending it, the server ends a minute after its last
      // client (parecord ends with this process too).
      {"pulseaudio", "-n", "-F", folder_.file("server.pa"), "--daemonize=no", "--exit-idle-time=60",
       "--use-pid-file=no", "--system=no"},
      environmentWith({"HOME=" + dir, "XDG_RUNTIME_DIR=" + dir + "/run", "XDG_CONFIG_HOME=" + dir,
                       "PULSE_RUNTIME_PATH=" + dir + "/run", "PULSE_STATE_PATH=" + dir}),
      -1, folder_.file("server.log"));
  if (pid_ <= 0) {
    whyNot_ = "pulseaudio could not be started";
    return false;
  }
  const SteadyTime deadline = std::chrono::steady_clock::now() + 10s;
  while (!accepts(folder_.file("native"))) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_ || std::chrono::steady_clock::now() > deadline) {
      kill();
      whyNot_ = "pulseaudio did not come up: " + lastLines(folder_.file("server.log"));
      return false;
    }
    std::this_thread::sleep_for(10ms);  // the server is starting: look again shortly
  }
  return true;
}

void SoundServer::kill() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string SoundServer::ask(const std::string& command) const {
  std::string out;
  if (!running()) return out;
  FILE* answer =
      popen(("pactl --server=" + address() + " " + command + " 2>/dev/null").c_str(), "r");
  if (!answer) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, answer)) > 0;)
    out.append(buffer, n);
  pclose(answer);
  return out;
}

int SoundServer::streamsOpen() const {
  const std::string list = ask("list short sink-inputs");
  return static_cast<int>(std::count(list.begin(), list.end(), '\n'));
}

int SoundServer::streamsPlaying() const {
  const std::string list = ask("list sink-inputs");
  int playing = 0;
  for (std::size_t at = 0; (at = list.find("Corked: no", at)) != std::string::npos; ++at) ++playing;
  return playing;
}

void SoundServer::pause() {
  if (pid_ > 0) ::kill(pid_, SIGSTOP);
}

void SoundServer::resume() {
  if (pid_ > 0) ::kill(pid_, SIGCONT);
}

MonitorRecording::MonitorRecording(const SoundServer& server) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  pid_ = spawn(
      {"parecord", "--server=" + server.address(), "--device=cues.monitor", "--raw",
       "--format=s16le", "--rate=" + std::to_string(kRate), "--channels=1", "--latency-msec=2"},
      environmentWith({}), fds[1], "/dev/null");
  ::close(fds[1]);
  if (pid_ <= 0) {
    ::close(fds[0]);
    return;
  }
  reader_ = std::thread([this, fd = fds[0]] { readAll(fd); });
}

MonitorRecording::~MonitorRecording() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (reader_.joinable()) reader_.join();
}

void MonitorRecording::readAll(int fd) {
  char buffer[4096];
  std::string carry;  // an odd byte left over from the last read
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    const SteadyTime now = std::chrono::steady_clock::now();
    carry.append(buffer, static_cast<std::size_t>(n));
    const std::size_t whole = carry.size() / 2;
    const std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < whole; ++i) {
      const auto lo = static_cast<unsigned char>(carry[2 * i]);
      const auto hi = static_cast<unsigned char>(carry[2 * i + 1]);
      samples_.push_back(static_cast<std::int16_t>(lo | hi << 8));
    }
    carry.erase(0, 2 * whole);
    arrivals_.emplace_back(samples_.size(), now);
    arrived_.notify_all();
  }
  ::close(fd);
}

bool MonitorRecording::started() {
  // parecord is connecting: until it does, the time of its first piece is not known.
  std::unique_lock lock(mutex_);
  return arrived_.wait_until(lock, std::chrono::steady_clock::now() + 5s,
                             [this] { return !arrivals_.empty(); });
}

bool MonitorRecording::reaches(SteadyTime time) const {
  std::unique_lock lock(mutex_);
  const SteadyTime deadline = std::max(time, std::chrono::steady_clock::now()) + 5s;
  return arrived_.wait_until(lock, deadline,
                             [&] { return !arrivals_.empty() && arrivals_.back().second > time; });
}

std::vector<std::int16_t> MonitorRecording::samples() const {
  const std::lock_guard lock(mutex_);
  return samples_;
}

SteadyTime MonitorRecording::arrivalOf(std::size_t sample) const {
  const std::lock_guard lock(mutex_);
  for (const auto& [end, when] : arrivals_)
    if (sample < end) return when;
  return arrivals_.empty() ? SteadyTime{} : arrivals_.back().second;
}

}  // namespace kr::test
