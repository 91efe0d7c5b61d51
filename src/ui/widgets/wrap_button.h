// A push button whose caption wraps onto several lines when it is wider than the button.
#pragma once

#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kr {

class WrapButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::ButtonText));
    p.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, caption);
  }
};

}  // namespace kr
