#include "ui/sprites/sprite_store.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QThreadPool>

#include <algorithm>
#include <string_view>

#include "ui/sprites/sprite_catalog.h"

namespace kr {

namespace {

// Pixels for a picture of `size` logical pixels on a screen of `ratio`.
QSize deviceSize(QSize size, qreal ratio) {
  return {qRound(size.width() * ratio), qRound(size.height() * ratio)};
}

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
  if (const auto* info = kr::sprites::findSprite(key)) {
    return {info->width, info->height};
  }
  return {kr::sprites::kUnknownSide, kr::sprites::kUnknownSide};
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

QImage SpriteStore::render(const QString& name, QSize size, QSize part) {
  if (!size.isValid() || size.isEmpty() || part.isEmpty()) return {};
  QSvgRenderer renderer(resourcePath(name));
  if (!renderer.isValid()) return {};
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  QImage img = blankImage(part);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  p.end();
  return img;
}

QImage SpriteStore::draw(const QString& name, QSize size, QSize part, qreal ratio,
                         bool dropAlpha) const {
  QImage img = has(name) ? render(name, size, part) : QImage();
  if (img.isNull()) {
    img = fallbackImage(part);
  } else if (dropAlpha) {
    // Opaque pictures are kept without alpha and drawn as a copy; converted where they
    // stand, so that a large picture is not held twice while it is converted.
    img.convertTo(QImage::Format_RGB32);
  }
  img.setDevicePixelRatio(ratio);
  return img;
}

const QImage& SpriteStore::image(const QString& name) { return image(name, 1); }

const QImage& SpriteStore::image(const QString& name, qreal ratio) {
  return image(name, ratio, nativeSize(name));
}

const QImage& SpriteStore::image(const QString& name, qreal ratio, QSize shown) {
  const QSize native = nativeSize(name);
  shown = shown.boundedTo(native);
  const ImageKey key{name, ratio, shown.width(), shown.height()};
  std::unique_lock lock(mutex_);
  for (;;) {
    auto it = images_.find(key);
    if (it != images_.end()) return it->second;
    if (!underWay_.contains(key)) break;
    drawn_.wait(lock);
  }
  // Drawn without the lock: other pictures are not held up meanwhile.
  underWay_.insert(key);
  lock.unlock();
  const auto* info = kr::sprites::findSprite(name.toStdString());
  QImage img = draw(name, deviceSize(native, ratio), deviceSize(shown, ratio), ratio,
                    info && kr::sprites::isOpaque(info->kind));
  lock.lock();
  underWay_.erase(key);
  const QImage& kept = images_.emplace(key, std::move(img)).first->second;
  drawn_.notify_all();
  return kept;
}

void SpriteStore::prepare(const QString& name, qreal ratio, QSize shown) {
  QThreadPool::globalInstance()->start([this, name, ratio, shown] { image(name, ratio, shown); });
}

void SpriteStore::release(const QString& name) {
  std::lock_guard lock(mutex_);
  std::erase_if(images_, [&name](const auto& entry) { return std::get<0>(entry.first) == name; });
  std::erase_if(pixmaps_, [&name](const auto& entry) { return std::get<0>(entry.first) == name; });
}

const QPixmap& SpriteStore::scaled(const QString& name, QSize size, qreal ratio) {
  const auto key = std::tuple{name, size.width(), size.height(), ratio};
  {
    std::lock_guard lock(mutex_);
    auto it = pixmaps_.find(key);
    if (it != pixmaps_.end()) return it->second;
  }
  QPixmap pixmap;
  if (size.isValid() && !size.isEmpty()) {
    // Vector pictures are drawn afresh at the wanted size: sharper than scaling pixels.
    pixmap = QPixmap::fromImage(draw(name, deviceSize(size, ratio), ratio, false));
  }
  std::lock_guard lock(mutex_);
  return pixmaps_.emplace(key, std::move(pixmap)).first->second;
}

QIcon SpriteStore::icon(const QString& name) {
  const QSize size = nativeSize(name);
  QIcon icon;
  icon.addPixmap(scaled(name, size));
  icon.addPixmap(scaled(name, size * 2));
  return icon;
}

}  // namespace kr
