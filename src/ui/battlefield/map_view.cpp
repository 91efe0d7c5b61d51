// Draws the map from the painted terrain tiles and the objects in view.
#include "ui/battlefield/map_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/control_sync.h"

namespace kr {

MapView::MapView(GameUi& ui, QWidget* parent) : QWidget(parent), ui_(ui) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::sync(const Form1&) { update(); }

void MapView::paintEvent(QPaintEvent* event) {
  if (!ui_.game.form1Loaded()) return;
  const Form1& f = ui_.game.form1();
  QPainter p(this);
  const QRect dirty = event->rect();
  p.fillRect(dirty, QColor(20, 40, 20));
  const float ox = f.picture1.left;
  const float oy = f.picture1.top;

  if (!f.terrainTile.empty()) {
    SpriteStore& store = SpriteStore::instance();
    const QString tileName = QString::fromStdString(f.terrainTile);
    const QImage& tile = store.image(tileName);
    for (const Point& t : f.terrainTiles) {
      const QRect r(static_cast<int>(t.x + ox), static_cast<int>(t.y + oy), tile.width(),
                    tile.height());
      if (r.intersects(dirty)) p.drawImage(r.topLeft(), tile);
    }
  }

  const auto drawObject = [&](const MapObject& o) {
    const QRect r = pixelRect(o.left + ox, o.top + oy, o.width, o.height);
    if (!r.intersects(dirty) || r.width() <= 0 || r.height() <= 0) return;
    p.drawPixmap(r.topLeft(),
                 SpriteStore::instance().scaled(QString::fromStdString(o.picture), r.size()));
    if (o.border) {
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  };
  for (const MapObject& o : f.Baza)
    if (o.shown && o.tag != "tank") drawObject(o);
  for (const MapObject& o : f.Baza)
    if (o.shown && o.tag == "tank") drawObject(o);
}

}  // namespace kr
