#include "ui/widgets/caption_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QThreadPool>

#include <cmath>
#include <memory>

namespace kr {

bool CaptionLook::operator==(const CaptionLook& other) const {
  return text == other.text && font.key() == other.font.key() && colour == other.colour &&
         alignment == other.alignment && size == other.size && ratio == other.ratio &&
         dpi == other.dpi;
}

QImage drawCaption(const CaptionLook& look) {
  const QSize pixels(qRound(look.size.width() * look.ratio),
                     qRound(look.size.height() * look.ratio));
  QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  picture.setDevicePixelRatio(look.ratio);
  // Points become pixels by the screen's resolution, as on the label.
  const int dotsPerMeter = static_cast<int>(std::lround(look.dpi / 0.0254));
  picture.setDotsPerMeterX(dotsPerMeter);
  picture.setDotsPerMeterY(dotsPerMeter);
  QPainter p(&picture);
  p.setFont(look.font);
  p.setPen(look.colour);
  p.drawText(QRect(QPoint(0, 0), look.size), static_cast<int>(look.alignment), look.text);
  return picture;
}

std::shared_future<QImage> prepareCaption(const CaptionLook& look) {
  auto task = std::make_shared<std::packaged_task<QImage()>>([look] { return drawCaption(look); });
  std::shared_future<QImage> picture = task->get_future().share();
  QThreadPool::globalInstance()->start([task] { (*task)(); });
  return picture;
}

void CaptionLabel::usePrepared(const CaptionLook& look, std::shared_future<QImage> picture) {
  preparedLook_ = look;
  prepared_ = std::move(picture);
  update();
}

std::optional<CaptionLook> CaptionLabel::look() const {
  const bool rich =
      textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
  if (!isEnabled() || rich || wordWrap() || margin() != 0 || indent() > 0 || frameWidth() != 0 ||
      !pixmap().isNull())
    return std::nullopt;
  QStyleOption option;
  option.initFrom(this);
  return CaptionLook{text(),
                     font(),
                     option.palette.color(foregroundRole()),
                     QStyle::visualAlignment(layoutDirection(), alignment()),
                     size(),
                     devicePixelRatio(),
                     logicalDpiY()};
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  drewPrepared_ = false;
  if (preparedLook_) {
    if (look() == preparedLook_) {
      QPainter p(this);
      p.drawImage(QPoint(0, 0), prepared_.get());
      drewPrepared_ = true;
      return;
    }
    preparedLook_.reset();
    prepared_ = {};
  }
  QLabel::paintEvent(event);
}

}  // namespace kr
