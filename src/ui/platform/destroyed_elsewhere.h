// The game's window destroyed by another program (X11's DestroyWindow, as `xdotool
// windowclose` sends it): the game ends as when the desktop closes the window.
#pragma once

#include <functional>

class QWidget;

namespace kr {

// On X11, runs `gone` once when another program destroys the window's X window; the X
// server's complaints about the window that is no more are kept off the console from then on.
// A window Qt itself makes anew (another X window for the same widget) is not taken for one
// destroyed. Elsewhere (Wayland, offscreen) no other program can destroy it: nothing is done.
void onDestroyedElsewhere(QWidget* window, std::function<void()> gone);

}  // namespace kr
