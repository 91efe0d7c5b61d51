// What a walk through the game looks for on the X server's screen: where the game's controls
// stand, in whole pixels, and the colours that tell the player what happened.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/core/world.h"

namespace kr::x11 {

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

// How many of the picture's pixels are of the colour.
inline int count(const QImage& image, bool (*is)(QRgb)) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += is(image.pixel(x, y)) ? 1 : 0;
  return n;
}

}  // namespace kr::x11
