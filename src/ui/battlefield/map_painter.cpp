// The map's drawing: opaque pictures go as plain copies, tanks blend over what lies below.
#include "ui/battlefield/map_painter.h"

#include <QPainter>
#include <QRegion>
#include <cmath>

#include "model/battlefield/pointer.h"
#include "model/core/placement.h"
#include "ui/sprites/sprite_catalog.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

const QColor kGround(34, 52, 28);  // where no terrain has been painted
const QColor kHealthFill(0, 200, 0);
const QColor kSelection(255, 0, 0);
const QColor kBlockedTint(255, 0, 0, 110);  // over the item in hand where it cannot stand
// Rows of the map drawn at a time; a band of the screen stays in the processor's cache.
constexpr int kBandHeight = 128;

bool opaqueSprite(const std::string& name) {
  const auto* info = krepostan::sprites::findSprite(name);
  return info && krepostan::sprites::isOpaque(info->kind);
}

void drawOutline(QPainter& p, const QRect& r, const QColor& colour) {
  if (r.width() <= 0 && r.height() <= 0) return;
  p.setPen(QPen(colour, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(r.topLeft(), QSize(std::max(1, r.width()), std::max(1, r.height())))
                 .adjusted(0, 0, -1, -1));
}

}  // namespace

QPoint MapPainter::mapOffset(const Battlefield& f) {
  return {static_cast<int>(std::lround(f.mapSurface.left)),
          static_cast<int>(std::lround(f.mapSurface.top))};
}

QRect MapPainter::mapRect(const MapObject& o) {
  return pixelRect(o.left, o.top, o.width, o.height);
}

QRect MapPainter::mapRect(const Control& c) { return pixelRect(c); }

const QImage& MapPainter::tile(const std::string& name) {
  auto it = tiles_.find(name);
  if (it != tiles_.end()) return it->second;
  // Terrain is opaque: kept without alpha it is drawn as a plain copy.
  QImage img = SpriteStore::instance()
                   .image(QString::fromStdString(name), ratio_)
                   .convertToFormat(QImage::Format_RGB32);
  return tiles_.emplace(name, std::move(img)).first->second;
}

const QImage* MapPainter::sprite(int slot, const MapObject& o, QSize size) {
  SlotSprite& last = lastSprite_[static_cast<std::size_t>(slot)];
  if (last.image && last.size == size && last.name == o.picture) return last.image;
  const auto key = std::tuple{o.picture, size.width(), size.height()};
  auto it = sprites_.find(key);
  if (it == sprites_.end()) {
    QImage img =
        SpriteStore::instance().scaled(QString::fromStdString(o.picture), size, ratio_).toImage();
    img = img.convertToFormat(opaqueSprite(o.picture) ? QImage::Format_RGB32
                                                      : QImage::Format_ARGB32_Premultiplied);
    it = sprites_.emplace(key, std::move(img)).first;
  }
  last = SlotSprite{o.picture, size, &it->second};
  return last.image;
}

void MapPainter::drawObject(QPainter& p, int slot, const MapObject& o, QPoint offset,
                            const QRect& area) {
  const QRect r = mapRect(o).translated(offset);
  if (r.width() <= 0 || r.height() <= 0 || !r.intersects(area)) return;
  // A slot without a picture shows nothing but its border.
  if (!o.picture.empty()) {
    const QRect part = r & area;
    p.drawImage(part, *sprite(slot, o, r.size()), devicePixels(part.translated(-r.topLeft())));
  }
  if (o.border) drawOutline(p, r, Qt::black);
}

QRectF MapPainter::devicePixels(const QRect& r) const {
  return {r.x() * ratio_, r.y() * ratio_, r.width() * ratio_, r.height() * ratio_};
}

void MapPainter::paint(QPainter& p, const Battlefield& f, const QRect& area) {
  // Moved to a screen of another density, the map lets go of the pictures made for the old
  // one and draws from pictures made for the new one.
  if (const qreal ratio = p.device()->devicePixelRatio(); ratio != ratio_) {
    ratio_ = ratio;
    lastSprite_ = {};
    sprites_.clear();
    // A terrain tile is the largest picture the game holds: the old one goes at once.
    for (const auto& [name, image] : tiles_)
      SpriteStore::instance().release(QString::fromStdString(name));
    tiles_.clear();
  }
  const QPoint offset = mapOffset(f);
  // The objects to draw, bottom to top.
  drawList_.clear();
  const int inHand = slotInHand(f);
  for (const MapLayer layer : {MapLayer::Buildings, MapLayer::Tanks}) {
    for (int i = 0; i <= kObjectSlotCount; ++i) {
      const MapObject& o = f.objects[static_cast<std::size_t>(i)];
      if (o.shown && i != inHand && mapLayer(f, i) == layer &&
          mapRect(o).translated(offset).intersects(area))
        drawList_.push_back(i);
    }
  }
  // Band by band, so that the terrain under a building is still in the processor's cache
  // when the building is drawn over it.
  for (int y = area.top(); y <= area.bottom(); y += kBandHeight) {
    const QRect band = area & QRect(area.left(), y, area.width(), kBandHeight);
    p.save();
    p.setClipRect(band, Qt::IntersectClip);
    paintBand(p, f, band, offset, inHand);
    p.restore();
  }
}

void MapPainter::paintBand(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset,
                           int inHand) {
  // Terrain as the loading pass painted it; bare ground elsewhere.
  QRegion bare(area);
  if (!f.terrainTile.empty() && !f.terrainTiles.empty()) {
    const QImage& t = tile(f.terrainTile);
    for (const Point& at : f.terrainTiles) {
      const QRect r = QRect(QPoint(at.x, at.y) + offset, t.deviceIndependentSize().toSize());
      const QRect part = r & area;
      if (part.isEmpty()) continue;
      p.drawImage(part.topLeft(), t, devicePixels(part.translated(-r.topLeft())));
      bare -= part;
    }
  }
  for (const QRect& r : bare) p.fillRect(r, kGround);

  for (const int i : drawList_)
    drawObject(p, i, f.objects[static_cast<std::size_t>(i)], offset, area);

  // The health bar under the inspected object.
  if (f.healthBar.visible) {
    const QRect fill = mapRect(f.healthBar).translated(offset);
    if (fill.intersects(area)) p.fillRect(fill, kHealthFill);
  }
  if (f.healthBarFrame.visible)
    drawOutline(p, mapRect(f.healthBarFrame).translated(offset), Qt::black);
  if (f.healthLabel.visible && !f.healthLabel.caption.empty()) {
    const QRect r = mapRect(f.healthLabel).translated(offset);
    if (r.intersects(area)) {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPixelSize(9);
      font.setBold(true);
      p.setFont(font);
      const QString text = QString::fromStdString(f.healthLabel.caption);
      const int flags = Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip;
      p.setPen(Qt::black);
      p.drawText(r.translated(1, 1), flags, text);
      p.setPen(Qt::white);
      p.drawText(r, flags, text);
    }
  }

  if (f.selectionRect.visible)
    drawOutline(p, mapRect(f.selectionRect).translated(offset), kSelection);

  if (inHand >= 0 && f.objects[static_cast<std::size_t>(inHand)].shown) {
    const MapObject& item = f.objects[static_cast<std::size_t>(inHand)];
    // Until it is put down the item has no picture of its own: show the player what it
    // will be, faintly.
    const char* preview = placedPicture(f.buildKind);
    if (item.picture.empty() && *preview) {
      MapObject ghost = item;
      ghost.picture = preview;
      p.save();
      p.setOpacity(0.6);
      drawObject(p, inHand, ghost, offset, area);
      p.restore();
    } else {
      drawObject(p, inHand, item, offset, area);
    }
    // Without its frame the item cannot stand where it is: it turns red as well.
    if (!item.border) p.fillRect(mapRect(item).translated(offset) & area, kBlockedTint);
  }
}

}  // namespace kr
