// A one-pixel outline that keeps to its rectangle at every pixel density.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <algorithm>

namespace kr {

// The outline along the inside of r (at least one pixel wide and high), filled as four
// strips. A pen's line would reach half a pixel beyond r on a screen of twice the density:
// outside what is repainted when r moves on, and cut in half at a widget's edge.
inline void drawOutline(QPainter& p, const QRect& r, const QColor& colour) {
  if (r.width() <= 0 && r.height() <= 0) return;
  const QRect whole(r.topLeft(), QSize(std::max(1, r.width()), std::max(1, r.height())));
  p.fillRect(QRect(whole.topLeft(), QSize(whole.width(), 1)), colour);
  p.fillRect(QRect(whole.left(), whole.bottom(), whole.width(), 1), colour);
  p.fillRect(QRect(whole.topLeft(), QSize(1, whole.height())), colour);
  p.fillRect(QRect(whole.right(), whole.top(), 1, whole.height()), colour);
}

}  // namespace kr
