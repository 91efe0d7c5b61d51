// What a player sees and does on an X server: the windows in their stacking order, the
// window with the keyboard, the screen's pixels, and pointer and key input through XTest.
#pragma once

#include <QImage>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

namespace kr::x11 {

using WindowId = unsigned long;

// A top-level window of a client program as the X server stacks it.
struct TopWindow {
  WindowId id = 0;          // the program's own window
  WindowId outer = 0;       // the window manager's frame around it, or the window itself
  std::string title;        // _NET_WM_NAME, else WM_NAME
  std::string windowClass;  // the class of WM_CLASS
  QRect rect;               // the program's window on the screen, without the frame
  bool takesFocus = true;
  bool framed() const { return outer != id; }
};

class Desktop {
 public:
  // Connects to the X server named like DISPLAY (":3"); nullptr when it cannot.
  static std::unique_ptr<Desktop> connect(const std::string& display);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The mapped top-level windows of client programs, bottom to top.
  std::vector<TopWindow> stacking();
  // The top-level window that holds the keyboard focus, 0 when none does.
  WindowId focus();
  // Whether a window manager that follows the desktop conventions (EWMH) is running.
  bool windowManagerRunning();

  // Where the game's window stands on the screen (the whole screen unless set): the places
  // given to movePointer, click and grab are places in that window.
  void setGameArea(QRect area) { area_ = area; }
  QRect gameArea() const { return area_; }

  void movePointer(QPoint at);
  void click(QPoint at);
  // Presses or lets go of the left button where the pointer is.
  void leftButton(bool down);
  void pressKey(unsigned long keysym);
  // Asks the window manager to close the window, as its close box does: the program gets
  // WM_DELETE_WINDOW.
  void closeFromFrame(WindowId window);
  // Asks the window manager to bring the window to the front with the keyboard, as a click
  // on its task bar entry does.
  void activate(WindowId window);
  // Destroys the window, as another program may (`xdotool windowclose`).
  void destroy(WindowId window);

  // The game's window as the player sees it: the whole of it, or the area of it given.
  QImage grab(QRect area = {});
  // The whole screen, whatever stands on it.
  QImage grabScreen();

 private:
  struct Connection;
  explicit Desktop(std::unique_ptr<Connection> c);
  // Sends the window manager a request about the window, as pagers and task bars do.
  void askWindowManager(WindowId window, unsigned long request);
  // The area of the screen, in the screen's pixels.
  QImage grabOfScreen(QRect area);
  std::unique_ptr<Connection> c_;
  QRect area_;
};

}  // namespace kr::x11
