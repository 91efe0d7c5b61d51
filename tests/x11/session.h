// A private desktop for one walk through the game: a virtual X server (Xvfb) on a free
// display, optionally a window manager or a Wayland compositor (Weston, its output a window
// on that X server), and the game started from a scratch copy of its folder, on X or natively
// on the compositor. Everything it starts it ends again.
#pragma once

#include <sys/types.h>

#include <QSize>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kr::x11 {

class Desktop;

// The exit status of a program that found no X server to run on: ctest counts it as skipped.
constexpr int kSkip = 77;

// A program started by the session, its output going to a log file.
class Child {
 public:
  Child() = default;
  // Starts argv with the extra environment entries ("NAME=value"); fd keepFd, when not -1,
  // stays open in the child as fd 3.
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& env,
        const std::filesystem::path& log, int keepFd = -1);
  ~Child() { stop(); }
  Child(Child&& other) noexcept;
  Child& operator=(Child&& other) noexcept;

  bool started() const { return pid_ > 0 || finished_; }
  // The program's process id, -1 when none was started.
  pid_t pid() const { return pid_; }
  // False once the program has ended; its status is then known.
  bool running();
  // The exit status, or 128 + signal for a program that a signal ended; -1 while running.
  int status() const { return status_; }
  // Ends the program (SIGTERM, after a while SIGKILL) if it still runs.
  void stop();

 private:
  pid_t pid_ = -1;
  bool finished_ = false;
  int status_ = -1;
};

class Session {
 public:
  // Makes the scratch folder under TMPDIR (or /tmp).
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Starts Xvfb with a screen of that size on a display number it picks itself. Returns an
  // empty string on success, else why no X server could be started.
  std::string startServer(QSize screen);
  std::string display() const { return display_; }
  // The file with the server's cookie, for XAUTHORITY.
  std::filesystem::path authority() const { return folder_ / "authority"; }
  // Starts the window manager (openbox); its log says why when it does not come up.
  void startWindowManager();
  std::filesystem::path windowManagerLog() const { return folder_ / "openbox.log"; }
  // The file that the window manager makes once it is ready.
  std::filesystem::path windowManagerReady() const { return folder_ / "openbox-ready"; }
  // Starts Weston on the X server, its output a window covering the X screen, its panel at the
  // top; the game started after it runs natively on it. Returns an empty string once it takes
  // clients, else why it could not start.
  std::string startCompositor();
  bool onWayland() const { return compositor_.started(); }
  // The game's Wayland protocol log (WAYLAND_DEBUG=client) goes to its log.
  void logProtocol() { logProtocol_ = true; }
  std::filesystem::path compositorLog() const { return folder_ / "weston.log"; }
  // Starts a session bus of the session's own (dbus-daemon) for the programs started from
  // then on; without one they find no session bus. Empty on success, else why not.
  std::string startSessionBus();
  // Copies the game's folder (the program and its cues, no saved game) into the scratch
  // folder and starts the copy there on this server.
  void startGame(const std::filesystem::path& program,
                 const std::vector<std::string>& options = {});
  Child& game() { return game_; }
  // Starts the copy of the game once more, as a player starting it a second time does.
  void startGameAgain();
  Child& secondGame() { return secondGame_; }
  // Starts another program on this server, beside the game (one at a time).
  void startOther(const std::vector<std::string>& argv);
  Child& other() { return other_; }
  // Where the copy of the game keeps its saved game.
  std::filesystem::path saveFile() const { return folder_ / "game" / "save.ssav"; }
  std::filesystem::path gameLog() const { return folder_ / "game.log"; }
  // Keeps the scratch folder (its logs) instead of removing it at the end.
  void keep() { keep_ = true; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::vector<std::string> xEnvironment() const;
  // The X environment, or the compositor's when there is one.
  std::vector<std::string> gameEnvironment() const;
  std::filesystem::path busSocket() const { return folder_ / "bus"; }

  std::filesystem::path folder_;
  std::string display_;
  std::vector<std::string> gameArgv_;
  Child server_;
  Child bus_;
  Child windowManager_;
  Child compositor_;
  QSize screen_;
  bool logProtocol_ = false;
  Child game_;
  Child secondGame_;
  Child other_;
  bool keep_ = false;
};

// The last lines of a log file, for a failure message.
std::string tail(const std::filesystem::path& log, int lines);

// Starts the session's X server with a screen of that size and connects to it for X input.
// When either cannot be had, says so on a SKIP line and gives null.
std::unique_ptr<Desktop> startDesktop(Session& s, QSize screen);
// The same, then Weston on it, waiting until its shell has drawn the desktop. When the
// compositor cannot be had, says so on a SKIP line and gives null.
std::unique_ptr<Desktop> startWaylandDesktop(Session& s, QSize screen);

}  // namespace kr::x11
