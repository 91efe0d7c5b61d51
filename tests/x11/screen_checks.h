// What a walk through the game looks for on the X server's screen: where the game's controls
// stand, in whole pixels, and the colours that tell the player what happened.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/core/world.h"
#include "model/game.h"

namespace kr::x11 {

// The screen of the walk's X server (on Wayland, the compositor's output).
constexpr QSize kScreen(1920, 1080);

// The game's clock runs on, a frame at a time, until the condition holds; a minute at most.
template <class Condition>
void runGameUntil(Game& g, Condition done) {
  for (int frame = 0; frame < 60000 / 16 && !done(); ++frame) g.clock.advanceBy(16);
}

inline QRect rectOf(const Control& c) {
  return QRect(static_cast<int>(std::lround(c.left)), static_cast<int>(std::lround(c.top)),
               static_cast<int>(std::lround(c.width)), static_cast<int>(std::lround(c.height)));
}
inline QRect rectOf(const MapObject& o) {
  return rectOf(Control::at(o.left, o.top, o.width, o.height));
}
// A control inside a panel, in the panel's window.
inline QRect rectIn(const Control& panel, const Control& c) {
  return rectOf(c).translated(rectOf(panel).topLeft());
}

inline bool briefingRed(QRgb p) { return qRed(p) > 150 && qGreen(p) < 60 && qBlue(p) < 60; }
inline bool chatRed(QRgb p) { return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; }
inline bool barYellow(QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 90; }
inline bool panelGrey(QRgb p) {
  return std::abs(qRed(p) - 212) + std::abs(qGreen(p) - 208) + std::abs(qBlue(p) - 200) < 12;
}
inline bool buttonFace(QRgb p) {
  const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
  const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
  return low > 200 && high - low < 16;
}

// How many pixels of two pictures of the same area differ plainly in colour; -1 when the
// pictures do not cover the same area.
inline int changedPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return -1;
  int changed = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q));
      changed += d > 40 ? 1 : 0;
    }
  return changed;
}

// How many of the picture's pixels are of the colour.
inline int count(const QImage& image, bool (*is)(QRgb)) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += is(image.pixel(x, y)) ? 1 : 0;
  return n;
}

}  // namespace kr::x11
