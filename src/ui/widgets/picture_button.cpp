// A push button with a sprite above its word-wrapped caption.
#include "ui/widgets/picture_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

#include "ui/sprites/sprite_store.h"

namespace kr {

namespace {

constexpr int kMargin = 3;
constexpr int kLargestText = 9;  // pixel size of the caption font, shrunk until it fits
constexpr int kSmallestText = 6;
constexpr int kSmallestPicture = 12;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

QFont captionFont(int pixelSize) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStretch(QFont::SemiCondensed);
  f.setPixelSize(pixelSize);
  return f;
}

}  // namespace

PictureButton::PictureButton(QString sprite, QWidget* parent)
    : QAbstractButton(parent), sprite_(std::move(sprite)) {
  setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton opt;
  opt.initFrom(this);
  opt.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);

  QRect inner = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  if (isDown()) inner.translate(1, 1);

  // The caption takes the lines it needs at the largest size that leaves room for the
  // picture; the picture gets the rest, as a square centred above it.
  QRect textRect;
  if (!text().isEmpty()) {
    for (int size = kLargestText; size >= kSmallestText; --size) {
      p.setFont(captionFont(size));
      textRect = p.fontMetrics().boundingRect(inner, kTextFlags, text());
      if (inner.height() - textRect.height() >= kSmallestPicture + 1) break;
    }
  }
  const int pictureRoom =
      text().isEmpty() ? inner.height() : inner.height() - textRect.height() - 1;
  const int side = std::max(0, std::min(inner.width(), pictureRoom));
  if (side > 0) {
    const QRect pic(inner.left() + (inner.width() - side) / 2, inner.top(), side, side);
    if (!isEnabled()) p.setOpacity(0.4);
    p.drawPixmap(pic.topLeft(),
                 SpriteStore::instance().scaled(sprite_, pic.size(), devicePixelRatio()));
    p.setOpacity(1.0);
  }
  if (!text().isEmpty()) {
    const QRect textArea(inner.left(), inner.top() + pictureRoom + 1, inner.width(),
                         inner.height() - pictureRoom - 1);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textArea, kTextFlags, text());
  }
}

}  // namespace kr
