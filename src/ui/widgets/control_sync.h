// Copies a model control onto its Qt widget: geometry, visibility, enabled, text.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cmath>

#include "model/control.h"

namespace kr {

inline QRect pixelRect(float left, float top, float width, float height) {
  return QRect(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
               static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
}

inline QRect pixelRect(const Control& c) { return pixelRect(c.left, c.top, c.width, c.height); }

inline QColor rgbColor(Rgb c) { return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff); }

// Place, size, visibility and enabled state.
inline void syncGeometry(QWidget* w, const Control& c) {
  const QRect r = pixelRect(c);
  if (w->geometry() != r) w->setGeometry(r);
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
}

inline void syncControl(QLabel* w, const Control& c) {
  syncGeometry(w, c);
  const QString text = QString::fromStdString(c.caption);
  if (w->text() != text) w->setText(text);
}

inline void syncControl(QAbstractButton* w, const Control& c) {
  syncGeometry(w, c);
  const QString text = QString::fromStdString(c.caption);
  if (w->text() != text) w->setText(text);
}

// Text colour, and with fillBackground the background colour, of a control. Without it the
// background stays transparent.
inline void syncColours(QWidget* w, const Control& c, bool fillBackground) {
  QPalette pal = w->palette();
  const QColor fore = rgbColor(c.foreColor);
  const QColor back = rgbColor(c.backColor);
  if (pal.color(QPalette::WindowText) == fore && pal.color(QPalette::Text) == fore &&
      (!fillBackground || pal.color(QPalette::Window) == back) &&
      w->autoFillBackground() == fillBackground)
    return;
  pal.setColor(QPalette::WindowText, fore);
  pal.setColor(QPalette::Text, fore);
  if (fillBackground) pal.setColor(QPalette::Window, back);
  w->setPalette(pal);
  w->setAutoFillBackground(fillBackground);
}

// A label with its text and colours.
inline void syncLabel(QLabel* w, const Control& c, bool fillBackground = false) {
  syncControl(w, c);
  syncColours(w, c, fillBackground);
}

inline void syncControl(QLineEdit* w, const Control& c) {
  syncGeometry(w, c);
  const QString text = QString::fromStdString(c.caption);
  if (w->text() != text) w->setText(text);
}

}  // namespace kr
