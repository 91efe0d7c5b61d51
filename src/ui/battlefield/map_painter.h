// Draws the battlefield map: terrain tiles, objects, the health bar, the red rectangle and
// the item in hand, in that order, with the sprites scaled once per size and kept. Pictures
// are drawn from pixels of the screen's own density; positions stay in logical pixels.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "model/core/world.h"

class QPainter;

namespace kr {

class MapPainter {
 public:
  // The map's top-left corner in widget pixels.
  static QPoint mapOffset(const Battlefield& f);
  // Where an object or a map control stands on the map, in whole map pixels.
  static QRect mapRect(const MapObject& o);
  static QRect mapRect(const Control& c);

  // Draws the part of the map inside `area` (widget pixels).
  void paint(QPainter& p, const Battlefield& f, const QRect& area);

 private:
  const QImage* sprite(int slot, const MapObject& o, QSize size);
  const QImage& tile(const std::string& name);
  // A rectangle of logical pixels as the pixels of the kept pictures.
  QRectF devicePixels(const QRect& r) const;
  void paintBand(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset, int inHand);
  void drawObject(QPainter& p, int slot, const MapObject& o, QPoint offset, const QRect& area);

  struct SlotSprite {
    std::string name;
    QSize size;
    const QImage* image = nullptr;
  };
  // What each slot drew last: most frames ask for the same picture at the same size.
  std::array<SlotSprite, kSlots> lastSprite_{};
  std::map<std::tuple<std::string, int, int>, QImage> sprites_;
  std::map<std::string, QImage> tiles_;
  std::vector<int> drawList_;
  // The device pixel ratio the kept pictures were made for.
  qreal ratio_ = 1;
};

}  // namespace kr
