// Starting and ending the X server, the window manager and the game of one walk.
#include "x11/session.h"

#include "x11/x_desktop.h"

#include <QImage>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kr::x11 {

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPoll = std::chrono::milliseconds(10);
// The compositor's socket in the session's runtime folder.
constexpr const char* kWaylandSocket = "krepostan-walk";

// The name of an environment entry ("DISPLAY" of "DISPLAY=:1").
std::string entryName(const std::string& entry) { return entry.substr(0, entry.find('=')); }

// The environment of this process with the given entries put in or replaced.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const auto& x : extra) replaced = replaced || entryName(x) == entryName(entry);
    if (!replaced) out.push_back(entry);
  }
  for (const auto& x : extra)
    if (x.find('=') != std::string::npos) out.push_back(x);  // "NAME" alone: left out
  return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// An authority file whose one cookie opens every display: the server reads it at start, the
// clients find their display in it whatever number the server picks.
void writeAuthority(const fs::path& file) {
  std::array<unsigned char, 16> cookie{};
  std::random_device random;
  for (auto& b : cookie) b = static_cast<unsigned char>(random());
  std::string data;
  const auto field = [&data](const std::string& s) {
    data += static_cast<char>(s.size() >> 8);
    data += static_cast<char>(s.size() & 0xff);
    data += s;
  };
  data += "\xff\xff";  // FamilyWild
  field("");           // any address
  field("");           // any display number
  field("MIT-MAGIC-COOKIE-1");
  field(std::string(cookie.begin(), cookie.end()));
  std::ofstream(file, std::ios::binary) << data;
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const fs::path& log, int keepFd) {
  std::vector<std::string> args = argv;
  std::vector<std::string> envs = environmentWith(env);
  std::vector<char*> argp = pointers(args);
  std::vector<char*> envp = pointers(envs);
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  pid_ = fork();
  if (pid_ == 0) {
    setpgid(0, 0);                     // its own group: stopping it stops what it started
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // and it ends with the walk, however the walk ends
    if (out >= 0) {
      dup2(out, 1);
      dup2(out, 2);
    }
    if (keepFd >= 0) dup2(keepFd, 3);
    const int devNull = open("/dev/null", O_RDONLY);
    if (devNull >= 0) dup2(devNull, 0);
    execvpe(argp[0], argp.data(), envp.data());
    std::fprintf(stderr, "cannot start %s: %s\n", argp[0], std::strerror(errno));
    _exit(127);
  }
  if (out >= 0) close(out);
}

Child::Child(Child&& other) noexcept { *this = std::move(other); }

Child& Child::operator=(Child&& other) noexcept {
  if (this != &other) {
    stop();
    pid_ = other.pid_;
    finished_ = other.finished_;
    status_ = other.status_;
    other.pid_ = -1;
    other.finished_ = false;
  }
  return *this;
}

bool Child::running() {
  if (pid_ <= 0) return false;
  int st = 0;
  const pid_t r = waitpid(pid_, &st, WNOHANG);
  if (r == 0) return true;
  if (r == pid_) status_ = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  pid_ = -1;
  finished_ = true;
  return false;
}

void Child::stop() {
  if (!running()) return;
  kill(-pid_, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (running() && Clock::now() < deadline) std::this_thread::sleep_for(kPoll);
  if (!running()) return;
  kill(-pid_, SIGKILL);
  int st = 0;
  waitpid(pid_, &st, 0);
  pid_ = -1;
  finished_ = true;
}

Session::Session() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = (fs::path(tmp && *tmp ? tmp : "/tmp") / "krepostan-walk-XXXXXX");
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  folder_ = pattern;
  fs::create_directories(folder_ / "runtime");
  fs::permissions(folder_ / "runtime", fs::perms::owner_all);
}

Session::~Session() {
  // The programs first, then the window manager or compositor, then the server they talk to.
  other_.stop();
  secondGame_.stop();
  game_.stop();
  compositor_.stop();
  windowManager_.stop();
  bus_.stop();
  server_.stop();
  std::error_code ignored;
  if (!keep_) fs::remove_all(folder_, ignored);
}

std::vector<std::string> Session::xEnvironment() const {
  std::vector<std::string> env{"DISPLAY=:" + display_,
                               "XAUTHORITY=" + authority().string(),
                               "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string(),
                               "XDG_CONFIG_HOME=" + (folder_ / "config").string(),
                               "QT_QPA_PLATFORM=xcb",
                               "WAYLAND_DISPLAY",
                               "QT_SCALE_FACTOR",
                               "QT_SCREEN_SCALE_FACTORS",
                               "QT_AUTO_SCREEN_SCALE_FACTOR"};
  // The session's own bus or none: never the one of whoever runs the walk.
  env.push_back(bus_.started() ? "DBUS_SESSION_BUS_ADDRESS=unix:path=" + busSocket().string()
                               : "DBUS_SESSION_BUS_ADDRESS");
  return env;
}

// The game on the X server, or natively on the compositor with no X server for it; it notes
// the size of its window in its log.
std::vector<std::string> Session::gameEnvironment() const {
  std::vector<std::string> env = xEnvironment();
  env.push_back("QT_LOGGING_RULES=krepostan.start.info=true");
  if (!onWayland()) return env;
  for (auto& e : env) {
    if (entryName(e) == "DISPLAY" || entryName(e) == "XAUTHORITY") e = entryName(e);
    if (entryName(e) == "QT_QPA_PLATFORM") e = "QT_QPA_PLATFORM=wayland";
    if (entryName(e) == "WAYLAND_DISPLAY") e = "WAYLAND_DISPLAY=" + std::string(kWaylandSocket);
  }
  env.push_back(logProtocol_ ? "WAYLAND_DEBUG=client" : "WAYLAND_DEBUG");
  return env;
}

std::string Session::startCompositor() {
  // The panel at the top, no animations, no lock screen and no on-screen keyboard: the
  // window comes up at once where the walk looks for it.
  const fs::path config = folder_ / "weston.ini";
  std::ofstream(config) << "[core]\nidle-time=0\n"
                           "[shell]\npanel-position=top\nlocking=false\nanimation=none\n"
                           "startup-animation=none\nclose-animation=none\nfocus-animation=none\n"
                           "[input-method]\npath=\n";
  compositor_ = Child(
      {"weston", "--backend=x11-backend.so", "--use-pixman",
       "--width=" + std::to_string(screen_.width()), "--height=" + std::to_string(screen_.height()),
       "--socket=" + std::string(kWaylandSocket), "--idle-time=0", "--config=" + config.string()},
      xEnvironment(), compositorLog());
  const fs::path socket = folder_ / "runtime" / kWaylandSocket;
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (!fs::exists(socket) && compositor_.running() && Clock::now() < deadline)
    std::this_thread::sleep_for(kPoll);
  if (fs::exists(socket)) return {};
  const std::string log = tail(compositorLog(), 5);
  compositor_.stop();
  return "Weston did not start" + (log.empty() ? std::string(" (is it installed?)") : ":\n" + log);
}

std::string Session::startServer(QSize screen) {
  screen_ = screen;
  writeAuthority(authority());
  std::array<int, 2> pipe{};
  if (pipe2(pipe.data(), O_CLOEXEC) != 0) return "no pipe for the display number";
  // Xvfb picks a display number that no other server uses and writes it to fd 3.
  const std::string size =
      std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x24";
  server_ = Child({"Xvfb", "-displayfd", "3", "-screen", "0", size, "-nolisten", "tcp", "-auth",
                   authority().string()},
                  {}, folder_ / "xvfb.log", pipe[1]);
  close(pipe[1]);
  std::string number;
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd p{pipe[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buf[16];
    const ssize_t n = read(pipe[0], buf, sizeof buf);
    if (n <= 0) break;
    number.append(buf, static_cast<std::size_t>(n));
  }
  close(pipe[0]);
  if (number.find('\n') == std::string::npos) {
    const std::string log = tail(folder_ / "xvfb.log", 5);
    server_.stop();
    return "Xvfb did not start" + (log.empty() ? std::string(" (is it installed?)") : ":\n" + log);
  }
  display_ = number.substr(0, number.find('\n'));
  return {};
}

std::string Session::startSessionBus() {
  bus_ = Child({"dbus-daemon", "--session", "--nofork", "--nopidfile",
                "--address=unix:path=" + busSocket().string()},
               {}, folder_ / "dbus.log");
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (!fs::exists(busSocket()) && bus_.running() && Clock::now() < deadline)
    std::this_thread::sleep_for(kPoll);
  if (fs::exists(busSocket())) return {};
  const std::string log = tail(folder_ / "dbus.log", 5);
  bus_.stop();
  return "dbus-daemon did not start" +
         (log.empty() ? std::string(" (is it installed?)") : ":\n" + log);
}

void Session::startWindowManager() {
  // Openbox runs the startup command once it has started and manages windows.
  windowManager_ =
      Child({"openbox", "--sm-disable", "--startup", "touch " + windowManagerReady().string()},
            xEnvironment(), folder_ / "openbox.log");
}

void Session::startGame(const fs::path& program, const std::vector<std::string>& options) {
  const fs::path copy = folder_ / "game";
  fs::create_directories(copy);
  for (const auto& entry : fs::directory_iterator(program.parent_path())) {
    if (entry.path().filename() == "save.ssav") continue;
    const fs::path to = copy / entry.path().filename();
    // The translations' folder comes along; the files are linked where the folder allows.
    if (entry.is_directory() && entry.path().filename() == "locale") {
      std::error_code linked;
      fs::copy(entry.path(), to, fs::copy_options::recursive | fs::copy_options::create_hard_links,
               linked);
      if (linked) fs::copy(entry.path(), to, fs::copy_options::recursive);
      continue;
    }
    if (!entry.is_regular_file()) continue;
    std::error_code linked;
    fs::create_hard_link(entry.path(), to, linked);
    if (linked) fs::copy_file(entry.path(), to);
  }
  gameArgv_ = {(copy / program.filename()).string()};
  gameArgv_.insert(gameArgv_.end(), options.begin(), options.end());
  game_ = Child(gameArgv_, gameEnvironment(), gameLog());
}

void Session::startGameAgain() {
  secondGame_ = Child(gameArgv_, gameEnvironment(), folder_ / "second-game.log");
}

void Session::startOther(const std::vector<std::string>& argv) {
  other_ = Child(argv, xEnvironment(), folder_ / "other.log");
}

std::string tail(const fs::path& log, int lines) {
  std::ifstream in(log);
  std::deque<std::string> last;
  for (std::string line; std::getline(in, line);) {
    // A Wayland client's protocol log ("[time] wl_surface@3.commit()") says nothing of why.
    if (line.rfind('[', 0) == 0 && line.find('@') != std::string::npos) continue;
    last.push_back(line);
    if (static_cast<int>(last.size()) > lines) last.pop_front();
  }
  std::string out;
  for (const auto& l : last) out += "    " + l + "\n";
  return out;
}

std::unique_ptr<Desktop> startDesktop(Session& s, QSize screen) {
  if (const std::string why = s.startServer(screen); !why.empty()) {
    std::printf("SKIP: no X server could be started: %s\n", why.c_str());
    return nullptr;
  }
  setenv("XAUTHORITY", s.authority().c_str(), 1);
  auto desktop = Desktop::connect(":" + s.display());
  if (!desktop)
    std::printf("SKIP: the X server on :%s takes no connection with XTest\n", s.display().c_str());
  return desktop;
}

std::unique_ptr<Desktop> startWaylandDesktop(Session& s, QSize screen) {
  auto desktop = startDesktop(s, screen);
  if (!desktop) return nullptr;
  if (const std::string why = s.startCompositor(); !why.empty()) {
    std::printf("SKIP: no Wayland compositor could be started: %s\n", why.c_str());
    return nullptr;
  }
  // The shell has drawn the desktop: its background in the middle of the screen and, over
  // it, its panel at the top.
  const auto drawn = [&] {
    const QImage screenNow = desktop->grabScreen();
    if (screenNow.isNull()) return false;
    const QRgb middle = screenNow.pixel(screen.width() / 2, screen.height() / 2);
    const QRgb panel = screenNow.pixel(screen.width() / 2, 2);
    return (middle & 0xffffffu) != 0 && middle != panel;
  };
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (!drawn() && Clock::now() < deadline) std::this_thread::sleep_for(kPoll);
  if (!drawn()) {
    std::printf("SKIP: Weston's shell drew no desktop within 15 s:\n%s",
                tail(s.compositorLog(), 5).c_str());
    return nullptr;
  }
  return desktop;
}

}  // namespace kr::x11
