// A push button with a sprite and a caption: the name on top, the price beside the picture.
#include "ui/widgets/picture_button.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

#include "ui/sprites/sprite_store.h"
#include "ui/widgets/faces.h"

namespace kr {

namespace {

constexpr int kMargin = 3;
constexpr int kCaptionText = 9;  // pixel size of every caption
constexpr int kGap = 2;          // between the picture and the price

QFont captionFont() {
  QFont f = pixelFace(kDialogFace, kCaptionText);
  f.setStretch(QFont::SemiCondensed);
  return f;
}

}  // namespace

PictureButton::PictureButton(QString sprite, QWidget* parent)
    : QAbstractButton(parent), sprite_(std::move(sprite)) {
  setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPrice(QStringList amounts) {
  if (amounts == price_) return;
  price_ = std::move(amounts);
  update();
}

PictureButton::Layout PictureButton::layout() const {
  Layout out;
  out.font = captionFont();
  const QFontMetrics metrics(out.font);
  const int lineHeight = metrics.height();
  const QRect inner = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);

  const QStringList name = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const QStringList& price = price_;

  // The name, word-wrapped across the whole width, one line under another.
  int top = inner.top();
  QString line;
  const auto addNameLine = [&] {
    out.lines.push_back({QRect(inner.left(), top, inner.width(), lineHeight), line,
                         Qt::AlignHCenter | Qt::AlignTop});
    top += lineHeight;
  };
  for (const QString& word : name) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > inner.width()) {
      addNameLine();
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) addNameLine();
  // Under it the picture, with the price's amounts one under another to its right.
  int priceWidth = 0;
  for (const QString& amount : price)
    priceWidth = std::max(priceWidth, metrics.horizontalAdvance(amount));
  const int room = inner.bottom() + 1 - top;
  const int priceHeight = static_cast<int>(price.size()) * lineHeight;
  const int side = std::max(
      0, std::min(room, price.isEmpty() ? inner.width() : inner.width() - priceWidth - kGap));
  if (price.isEmpty()) {
    out.picture = QRect(inner.left() + (inner.width() - side) / 2, top, side, side);
    return out;
  }
  const int blockWidth = side + kGap + priceWidth;
  const int left = inner.left() + (inner.width() - blockWidth) / 2;
  const int blockTop = top + std::max(0, (room - std::max(side, priceHeight)) / 2);
  out.picture = QRect(left, blockTop + std::max(0, (priceHeight - side) / 2), side, side);
  int y = blockTop + std::max(0, (side - priceHeight) / 2);
  for (const QString& amount : price) {
    out.lines.push_back({QRect(left + side + kGap, y, priceWidth, lineHeight), amount,
                         Qt::AlignLeft | Qt::AlignTop});
    y += lineHeight;
  }
  return out;
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton opt;
  opt.initFrom(this);
  opt.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);

  const Layout l = layout();
  const QPoint pressed = isDown() ? QPoint(1, 1) : QPoint(0, 0);
  if (!l.picture.isEmpty()) {
    const QRect pic = l.picture.translated(pressed);
    if (!isEnabled()) p.setOpacity(0.4);
    p.drawPixmap(pic.topLeft(),
                 SpriteStore::instance().scaled(sprite_, pic.size(), devicePixelRatio()));
    p.setOpacity(1.0);
  }
  p.setFont(l.font);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  for (const Layout::Line& line : l.lines)
    p.drawText(line.rect.translated(pressed), line.flags, line.text);
}

}  // namespace kr
