// How the game's window stands on the desktop, kept from one game to the next.
#pragma once

#include <QSize>
#include <QString>

namespace kr {

// The smallest window the game is laid out for: every control of every screen fits.
inline constexpr QSize kSmallestWindow{1024, 600};

// Maximised without a frame (the default), or an ordinary window of the desktop with its
// frame, at the size the player gave it.
struct WindowPlacement {
  bool windowed = false;
  QSize size;  // of the ordinary window; empty: not chosen yet

  bool operator==(const WindowPlacement&) const = default;
};

// The placement kept in the folder, or the default where none is kept or it cannot be read.
// A kept size is never below the smallest window.
WindowPlacement readWindowPlacement(const QString& folder);
// Keeps the placement in the folder, making the folder if need be. False if it cannot.
bool writeWindowPlacement(const QString& folder, const WindowPlacement& placement);

}  // namespace kr
