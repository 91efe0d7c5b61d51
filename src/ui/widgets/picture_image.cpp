// A clickable sprite stretched to its control, with the optional single-line border.
#include "ui/widgets/picture_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/sprites/sprite_store.h"
#include "ui/widgets/outline.h"

namespace kr {

PictureImage::PictureImage(QString sprite, QWidget* parent)
    : QWidget(parent), sprite_(std::move(sprite)) {}

void PictureImage::setBorder(bool border) {
  if (border_ == border) return;
  border_ = border;
  update();
}

void PictureImage::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  QPainter p(this);
  p.drawPixmap(0, 0, SpriteStore::instance().scaled(sprite_, size(), devicePixelRatio()));
  if (border_) drawOutline(p, rect(), Qt::black);
}

void PictureImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left press and release over the picture.
void PictureImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && onClick_) onClick_();
}

}  // namespace kr
