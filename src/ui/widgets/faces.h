// The faces that stand in for the game's fonts, for every window and control of the game.
#pragma once

#include <QFont>
#include <QString>

namespace kr {

inline constexpr const char* kTimesFace = "Liberation Serif";  // Times New Roman
inline constexpr const char* kArialFace = "Liberation Sans";   // Arial
inline constexpr const char* kDialogFace = "DejaVu Sans";      // MS Sans Serif
inline constexpr const char* kScriptFace = "Z003";             // Monotype Corsiva

// A face of the game at a size in points.
inline QFont face(const char* family, qreal points, bool bold = false, bool italic = false) {
  QFont f(QString::fromLatin1(family));
  f.setPointSizeF(points);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

// A face of the game at a size in pixels, as the map and the palette draw their small texts.
inline QFont pixelFace(const char* family, int pixels, bool bold = false) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace kr
