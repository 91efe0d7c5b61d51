// The game's window as the desktop knows it, to check it is one window, where it stands and
// whether it has the keyboard: on an X desktop from the X server's top-level windows, on a
// Wayland compositor from the toplevels of the game's protocol log (WAYLAND_DEBUG=client).
#pragma once

#include <QRect>
#include <filesystem>
#include <memory>
#include <string>

namespace kr::x11 {

class Desktop;

class GameWindowView {
 public:
  virtual ~GameWindowView() = default;
  // Where the game's window stands on the screen; empty while the desktop has placed none.
  virtual QRect area() = 0;
  // Empty when the game is exactly one window on the desktop, titled with the game's name
  // and of the game's class (app id), standing over the whole area the desktop gives it;
  // else what differs.
  virtual std::string expectOneWindow() = 0;
  // Empty when the game's window is in front of the desktop with the keyboard.
  virtual std::string expectActive() = 0;
  // What the desktop shows, for a failure message.
  virtual std::string shown() = 0;
};

// The game's window on an X server: the top-level windows of the game's class.
std::unique_ptr<GameWindowView> xWindowView(Desktop& desktop);

// The game's window on Weston, whose output of that size covers the X screen: the toplevels
// that the game's protocol log creates, their title, app id and the size the compositor
// configures, the size of the game's buffers, and the keyboard's enter and leave. The window
// stands in the output's bottom right corner, under the panel at the top.
std::unique_ptr<GameWindowView> waylandWindowView(Desktop& desktop,
                                                  const std::filesystem::path& protocolLog,
                                                  QSize output);

}  // namespace kr::x11
