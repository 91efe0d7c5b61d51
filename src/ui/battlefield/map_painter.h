// Draws the battlefield map: terrain tiles, objects, the health bar, the red rectangle and
// the item in hand, in that order, with the sprites scaled once per size and kept. Pictures
// are drawn from pixels of the screen's own density; positions stay in logical pixels. The
// ground (terrain and standing buildings) is kept as one picture of the view, drawn afresh
// only where it changed: a frame is that picture with the few moving things over it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
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
  // The health label's text may reach this far past its control, shadow included.
  static constexpr int kLabelMargin = 24;

  // The map's top-left corner in widget pixels.
  static QPoint mapOffset(const Battlefield& f);
  // Where an object or a map control stands on the map, in whole map pixels.
  static QRect mapRect(const MapObject& o);
  static QRect mapRect(const Control& c);

  // Draws the part of the map inside `area` (widget pixels): the kept ground, with the
  // tanks, the bars, the red rectangle and the item in hand over it.
  void paint(QPainter& p, const Battlefield& f, const QRegion& area);
  // The ground at r (map pixels) is to be drawn afresh: an object there came, went, moved,
  // changed its picture or its border. A change of view, terrain or item in hand the
  // painter sees itself.
  void groundChanged(const QRect& r);
  void groundChanged(const QRegion& r) { groundChanges_ += r; }

  // A slot whose picture alone shows it where it stands (widget pixels).
  struct Alone {
    int slot;
    QRect at;
    const QImage* picture;
  };
  // Of the candidate slots, those standing within `view` (widget pixels) whose picture alone
  // shows them: an opaque picture in pixels of the screen's own density, no border, and
  // nothing drawn over it (no other building, tank, bar, label, red rectangle or item in
  // hand). The pictures stay valid until the next paint.
  std::vector<Alone> picturesAlone(const Battlefield& f, const QRect& view,
                                   const std::vector<int>& candidates);
  // The device pixel ratio of the pictures kept.
  qreal ratio() const { return ratio_; }

 private:
  const QImage* sprite(int slot, const MapObject& o, QSize size);
  const QImage& tile(const std::string& name);
  // A rectangle of logical pixels as the pixels of the kept pictures.
  QRectF devicePixels(const QRect& r) const;
  // Follows the view (size, offset), the terrain and the item in hand: what they change
  // becomes stale.
  void prepareGround(const Battlefield& f, QSize size, qreal dpr, QPoint offset, int inHand);
  // Draws afresh what is stale of the kept ground within `needed` (widget pixels).
  void refreshGround(const Battlefield& f, QPoint offset, const QRegion& needed);
  // The standing buildings reaching into `area`, by their top edge; buildingsIn(r) then
  // lists in drawList_, in slot order, those of them reaching into r.
  void placeBuildings(const Battlefield& f, const QRect& area, QPoint offset);
  void buildingsIn(const QRect& r);
  // Where one opaque building covers r whole, draws r from its picture alone and says so.
  bool drawWholePicture(QPainter& p, const Battlefield& f, const QRect& r, QPoint offset);
  void moveGround(QPoint by);
  void listBuildings(const Battlefield& f, const QRect& area, QPoint offset);
  void drawGround(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset);
  void paintBand(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset);
  // Lists the tanks reaching into `area` (widget pixels) in overList_ and gives
  // overlayAreas() for them.
  std::vector<QRect> drawnOver(const Battlefield& f, QPoint offset, int inHand, const QRect& area);
  // Where the overlay may draw, in widget pixels: the tanks in view, the bars, the red
  // rectangle and the item in hand.
  std::vector<QRect> overlayAreas(const Battlefield& f, QPoint offset, int inHand) const;
  void drawOverlay(QPainter& p, const Battlefield& f, const QRect& area, QPoint offset, int inHand);
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
  std::vector<int> overList_;  // the tanks in view, bottom to top
  struct Placed {
    QRect at;  // widget pixels
    int slot;
  };
  std::vector<Placed> placed_;
  int tallest_ = 0;

  // The kept ground: the view's terrain and standing buildings, in widget pixels times
  // the device pixel ratio.
  QImage ground_;
  QPoint groundOffset_;     // the map's offset it was drawn at
  QRegion groundStale_;     // widget pixels to draw afresh before they are shown from it
  QRegion groundChanges_;   // map pixels reported changed since the last paint
  std::string groundTile_;  // the terrain it was drawn with
  std::size_t groundTiles_ = 0;
  int groundInHand_ = -1;  // the item in hand, which the ground leaves out
  // The device pixel ratio the kept pictures were made for.
  qreal ratio_ = 1;
};

}  // namespace kr
