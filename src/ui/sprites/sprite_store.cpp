#include "ui/sprites/sprite_store.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <string_view>

#include "ui/sprites/sprite_catalog.h"

namespace {

QImage blankImage(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

}  // namespace

SpriteStore& SpriteStore::instance() {
  static SpriteStore store;
  return store;
}

QString SpriteStore::resourcePath(const QString& name) {
  return QStringLiteral(":/sprites/%1.svg").arg(name);
}

bool SpriteStore::has(const QString& name) const {
  return !name.isEmpty() && QFile::exists(resourcePath(name));
}

QSize SpriteStore::nativeSize(const QString& name) const {
  const QByteArray utf8 = name.toUtf8();
  const std::string_view key(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  if (const auto* info = krepostan::sprites::findSprite(key)) {
    return {info->width, info->height};
  }
  return {krepostan::sprites::kUnknownSide, krepostan::sprites::kUnknownSide};
}

QImage SpriteStore::fallbackImage(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  const int cell = std::max(4, std::min(size.width(), size.height()) / 4);
  for (int y = 0; y < size.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const bool magenta = ((x / cell) + (y / cell)) % 2 == 0;
      line[x] = magenta ? qRgb(255, 0, 255) : qRgb(0, 0, 0);
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = std::max(2, std::min(size.width(), size.height()) / 8);
  const QRectF r = QRectF(img.rect()).adjusted(w / 2, w / 2, -w / 2, -w / 2);
  p.setPen(QPen(Qt::white, w, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(QPen(Qt::white, std::max<qreal>(1, w / 2)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  return img;
}

QImage SpriteStore::render(const QString& name, QSize size) {
  if (!size.isValid() || size.isEmpty()) return {};
  QSvgRenderer renderer(resourcePath(name));
  if (!renderer.isValid()) return {};
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  QImage img = blankImage(size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  p.end();
  return img;
}

const QImage& SpriteStore::image(const QString& name) {
  std::lock_guard lock(mutex_);
  auto it = images_.find(name);
  if (it != images_.end()) return it->second;
  const QSize size = nativeSize(name);
  QImage img = has(name) ? render(name, size) : QImage();
  if (img.isNull()) {
    img = fallbackImage(size);
  } else if (const auto* info = krepostan::sprites::findSprite(name.toStdString());
             info && krepostan::sprites::isOpaque(info->kind)) {
    // Opaque pictures are kept without alpha: a third less to hold, and drawn as a copy.
    img = img.convertToFormat(QImage::Format_RGB32);
  }
  return images_.emplace(name, std::move(img)).first->second;
}

void SpriteStore::release(const QString& name) {
  std::lock_guard lock(mutex_);
  images_.erase(name);
  std::erase_if(pixmaps_, [&name](const auto& entry) { return std::get<0>(entry.first) == name; });
}

const QPixmap& SpriteStore::scaled(const QString& name, QSize size) {
  {
    std::lock_guard lock(mutex_);
    auto it = pixmaps_.find({name, size.width(), size.height()});
    if (it != pixmaps_.end()) return it->second;
  }
  QPixmap pixmap;
  if (size.isValid() && !size.isEmpty()) {
    // Vector pictures are drawn afresh at the wanted size: sharper than scaling pixels.
    QImage img = has(name) ? render(name, size) : QImage();
    if (img.isNull()) img = fallbackImage(size);
    pixmap = QPixmap::fromImage(std::move(img));
  }
  std::lock_guard lock(mutex_);
  return pixmaps_.emplace(std::tuple{name, size.width(), size.height()}, std::move(pixmap))
      .first->second;
}
