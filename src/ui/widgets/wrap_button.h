// A push button whose caption wraps onto several lines when it is wider than the button.
#pragma once

#include <QFontMetrics>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kr {

class WrapButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  static constexpr qreal kSmallestPoints = 6;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    // Small buttons need every pixel for their lines; a caption that still does not fit
    // is set a little smaller.
    const QRect inside = rect().adjusted(3, 2, -3, -2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont f = font();
    for (;;) {
      const QRect needed = QFontMetrics(f).boundingRect(inside, flags, caption);
      if ((needed.height() <= inside.height() && needed.width() <= inside.width()) ||
          f.pointSizeF() <= kSmallestPoints)
        break;
      f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    p.setFont(f);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(inside, flags, caption);
  }
};

}  // namespace kr
