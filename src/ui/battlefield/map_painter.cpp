// The map's drawing: opaque pictures go as plain copies, tanks blend over what lies below,
// and the ground is kept between frames.
#include "ui/battlefield/map_painter.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/battlefield/pointer.h"
#include "model/core/placement.h"
#include "ui/sprites/sprite_catalog.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/faces.h"
#include "ui/widgets/outline.h"
#include "ui/widgets/rect_union.h"

namespace kr {

namespace {

const QColor kGround(34, 52, 28);  // where no terrain has been painted
const QColor kHealthFill(0, 200, 0);
const QColor kSelection(255, 0, 0);
const QColor kBlockedTint(255, 0, 0, 110);  // over the item in hand where it cannot stand
// Rows of the map drawn at a time; a band of the screen stays in the processor's cache.
constexpr int kBandHeight = 128;
// Above this many separate rectangles of the ground one pass over their bounding box is
// cheaper (an animation phase changes one or a few per factory in view).
constexpr int kMaxGroundRects = 1000;

bool opaqueSprite(const std::string& name) {
  const auto* info = kr::sprites::findSprite(name);
  return info && kr::sprites::isOpaque(info->kind);
}

// The shown objects of one layer reaching into `area` (widget pixels), in slot order.
void listLayer(const Battlefield& f, MapLayer layer, const QRect& area, QPoint offset,
               std::vector<int>& found) {
  found.clear();
  for (int i = 0; i <= kLastSlot; ++i) {
    const MapObject& o = f.objects[static_cast<std::size_t>(i)];
    if (o.shown && mapLayer(f, i) == layer &&
        MapPainter::mapRect(o).translated(offset).intersects(area))
      found.push_back(i);
  }
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

void MapPainter::groundChanged(const QRect& r) {
  // An outline is drawn even round an empty rectangle.
  groundChanges_ += QRect(r.topLeft(), QSize(std::max(1, r.width()), std::max(1, r.height())));
}

void MapPainter::moveGround(QPoint by) {
  const QRect view(QPoint(0, 0), ground_.deviceIndependentSize().toSize());
  const qreal dpr = ground_.devicePixelRatio();
  const QRect kept = view & view.translated(by);
  groundStale_.translate(by);
  if (kept.isEmpty() || dpr != std::floor(dpr)) {
    groundStale_ = view;
    return;
  }
  // What stays in view moves with the map, row by row; only the uncovered strips are drawn.
  const int scale = static_cast<int>(dpr);
  const int dx = by.x() * scale;
  const int dy = by.y() * scale;
  const auto rowBytes = static_cast<std::size_t>(ground_.width() - std::abs(dx)) * 4;
  const qsizetype line = ground_.bytesPerLine();
  uchar* bits = ground_.bits();
  const auto moveRow = [&](int y) {
    std::memmove(bits + y * line + std::max(dx, 0) * 4,
                 bits + (y - dy) * line + std::max(-dx, 0) * 4, rowBytes);
  };
  if (dy > 0)
    for (int y = ground_.height() - 1; y >= dy; --y) moveRow(y);
  else
    for (int y = 0; y < ground_.height() + dy; ++y) moveRow(y);
  groundStale_ += QRegion(view) - QRegion(kept);
}

void MapPainter::prepareGround(const Battlefield& f, QSize size, qreal dpr, QPoint offset,
                               int inHand) {
  const QRect view(QPoint(0, 0), size);
  const bool sameSize =
      ground_.deviceIndependentSize().toSize() == size && ground_.devicePixelRatio() == dpr;
  if (!sameSize || groundTile_ != f.terrainTile || groundTiles_ > f.terrainTiles.size()) {
    if (!sameSize) {
      ground_ = QImage(size * dpr, QImage::Format_RGB32);
      ground_.setDevicePixelRatio(dpr);
    }
    groundTile_ = f.terrainTile;
    groundTiles_ = f.terrainTiles.size();
    groundOffset_ = offset;
    groundStale_ = view;
    groundChanges_ = QRegion();
  }
  if (offset != groundOffset_) {
    moveGround(offset - groundOffset_);
    groundOffset_ = offset;
  }
  // Tiles the loading pass has painted since.
  if (groundTiles_ < f.terrainTiles.size()) {
    const QSize tileSize = tile(f.terrainTile).deviceIndependentSize().toSize();
    for (std::size_t i = groundTiles_; i < f.terrainTiles.size(); ++i)
      groundChanges_ += QRect(QPoint(f.terrainTiles[i].x, f.terrainTiles[i].y), tileSize);
    groundTiles_ = f.terrainTiles.size();
  }
  if (inHand != groundInHand_) {
    for (const int slot : {groundInHand_, inHand})
      if (slot >= 0) groundChanged(mapRect(f.objects[static_cast<std::size_t>(slot)]));
    groundInHand_ = inHand;
  }
  if (!groundChanges_.isEmpty()) {
    groundStale_ += groundChanges_.translated(offset);
    groundChanges_ = QRegion();
  }
  groundStale_ &= view;
}

void MapPainter::placeBuildings(const Battlefield& f, const QRect& area, QPoint offset) {
  listBuildings(f, area, offset);
  placed_.clear();
  tallest_ = 0;
  for (const int i : drawList_) {
    placed_.push_back({mapRect(f.objects[static_cast<std::size_t>(i)]).translated(offset), i});
    tallest_ = std::max(tallest_, placed_.back().at.height());
  }
  std::sort(placed_.begin(), placed_.end(),
            [](const Placed& a, const Placed& b) { return a.at.top() < b.at.top(); });
}

void MapPainter::buildingsIn(const QRect& r) {
  const auto byTop = [](const Placed& a, int top) { return a.at.top() < top; };
  drawList_.clear();
  const auto last = std::lower_bound(placed_.begin(), placed_.end(), r.bottom() + 1, byTop);
  for (auto it = std::lower_bound(placed_.begin(), last, r.top() - tallest_, byTop); it != last;
       ++it)
    if (it->at.intersects(r)) drawList_.push_back(it->slot);
  std::sort(drawList_.begin(), drawList_.end());
}

bool MapPainter::drawWholePicture(QPainter& p, const Battlefield& f, const QRect& r,
                                  QPoint offset) {
  buildingsIn(r);
  if (drawList_.size() != 1) return false;
  const int i = drawList_.front();
  const MapObject& o = f.objects[static_cast<std::size_t>(i)];
  const QRect at = mapRect(o).translated(offset);
  if (o.border || !at.contains(r) || !opaqueSprite(o.picture)) return false;
  const QImage* picture = sprite(i, o, at.size());
  if (picture->hasAlphaChannel()) return false;
  p.drawImage(r, *picture, devicePixels(r.translated(-at.topLeft())));
  return true;
}

void MapPainter::refreshGround(const Battlefield& f, QPoint offset, const QRegion& needed) {
  const QRegion stale = groundStale_ & needed;
  if (stale.isEmpty()) return;
  groundStale_ -= stale;

  QPainter gp(&ground_);
  if (stale.rectCount() > kMaxGroundRects) {
    drawGround(gp, f, stale.boundingRect(), offset);
    return;
  }
  // The buildings anywhere in the stale parts, picked once; each part draws those that
  // reach into it.
  placeBuildings(f, stale.boundingRect(), offset);
  for (const QRect& r : stale) {
    // A part that one opaque building covers whole (a factory's new picture) is that
    // building's picture alone.
    if (drawWholePicture(gp, f, r, offset)) continue;
    gp.setClipRect(r);
    paintBand(gp, f, r, offset);
    gp.setClipping(false);
  }
}

void MapPainter::paint(QPainter& p, const Battlefield& f, const QRegion& area) {
  // Moved to a screen of another density, the map lets go of the pictures made for the old
  // one and draws from pictures made for the new one; the ground is drawn afresh.
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
  const int inHand = slotInHand(f);
  const qreal dpr = ratio_;
  prepareGround(f, QSize(p.device()->width(), p.device()->height()), dpr, offset, inHand);

  const QRect bounds = area.boundingRect();
  const std::vector<QRect> over = drawnOver(f, offset, inHand, bounds);
  const auto underOverlay = [&over](const QRect& r) {
    return std::any_of(over.begin(), over.end(), [&r](const QRect& o) { return o.intersects(r); });
  };

  // Most parts of an idle frame are a factory's next picture with nothing over it: that
  // picture goes straight to the screen, and the kept ground under it is brought up to date
  // only when a frame needs it.
  // Each part is drawn clipped to itself alone: clipped to the whole of a scattered area, the
  // painter would make itself a list of spans as long as the area's rows times its parts,
  // afresh on every frame.
  placeBuildings(f, bounds, offset);
  std::vector<QRect> fromGround;
  for (const QRect& r : area) {
    p.setClipRect(r);
    if (underOverlay(r) || !drawWholePicture(p, f, r, offset)) fromGround.push_back(r);
  }
  if (!fromGround.empty()) refreshGround(f, offset, unite(fromGround));
  for (const QRect& r : fromGround) {
    p.setClipRect(r);
    if (dpr == 1) p.drawImage(r.topLeft(), ground_, r);
    else p.drawImage(QRectF(r), ground_, devicePixels(r));
    if (underOverlay(r)) drawOverlay(p, f, r, offset, inHand);
  }
  p.setClipping(false);
}

std::vector<MapPainter::Alone> MapPainter::picturesAlone(const Battlefield& f, const QRect& view,
                                                         const std::vector<int>& candidates) {
  std::vector<Alone> alone;
  if (ratio_ != 1) return alone;
  const QPoint offset = mapOffset(f);
  const int inHand = slotInHand(f);
  const std::vector<QRect> over = drawnOver(f, offset, inHand, view);
  placeBuildings(f, view, offset);
  for (const int slot : candidates) {
    const MapObject& o = f.objects[static_cast<std::size_t>(slot)];
    const QRect at = mapRect(o).translated(offset);
    if (!o.shown || o.border || slot == inHand || at.isEmpty() || !view.contains(at) ||
        !opaqueSprite(o.picture) || mapLayer(f, slot) != MapLayer::Buildings)
      continue;
    if (std::any_of(over.begin(), over.end(), [&at](const QRect& r) { return r.intersects(at); }))
      continue;
    buildingsIn(at);
    if (drawList_.size() != 1) continue;
    const QImage* picture = sprite(slot, o, at.size());
    if (!picture->hasAlphaChannel()) alone.push_back({slot, at, picture});
  }
  return alone;
}

std::vector<QRect> MapPainter::drawnOver(const Battlefield& f, QPoint offset, int inHand,
                                         const QRect& area) {
  // The tanks in view, drawn over the ground in slot order.
  listLayer(f, MapLayer::Tanks, area, offset, overList_);
  return overlayAreas(f, offset, inHand);
}

std::vector<QRect> MapPainter::overlayAreas(const Battlefield& f, QPoint offset, int inHand) const {
  std::vector<QRect> areas;
  for (const int i : overList_) areas.push_back(mapRect(f.objects[static_cast<std::size_t>(i)]));
  if (f.healthLabel.visible)
    areas.push_back(
        mapRect(f.healthLabel).adjusted(-kLabelMargin, -kLabelMargin, kLabelMargin, kLabelMargin));
  for (const Control* c : {&f.healthBar, &f.healthBarFrame, &f.selectionRect})
    if (c->visible) areas.push_back(mapRect(*c));
  if (inHand >= 0) areas.push_back(mapRect(f.objects[static_cast<std::size_t>(inHand)]));
  for (QRect& r : areas) r = QRect(r.topLeft() + offset, r.size().expandedTo(QSize(1, 1)));
  return areas;
}

void MapPainter::listBuildings(const Battlefield& f, const QRect& area, QPoint offset) {
  // The standing buildings, in slot order.
  listLayer(f, MapLayer::Buildings, area, offset, drawList_);
}

void MapPainter::drawGround(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset) {
  listBuildings(f, area, offset);
  // Band by band, so that the terrain under a building is still in the processor's cache
  // when the building is drawn over it.
  for (int y = area.top(); y <= area.bottom(); y += kBandHeight) {
    const QRect band = area & QRect(area.left(), y, area.width(), kBandHeight);
    p.save();
    p.setClipRect(band, Qt::IntersectClip);
    paintBand(p, f, band, offset);
    p.restore();
  }
}

void MapPainter::paintBand(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset) {
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
}

void MapPainter::drawOverlay(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset,
                             int inHand) {
  for (const int i : overList_)
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
      p.setFont(pixelFace(kDialogFace, 9, true));
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
