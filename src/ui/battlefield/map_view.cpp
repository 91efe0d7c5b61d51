// The map view: repaints what changed since the last frame and routes the mouse to the
// object under it or to the bare ground.
#include "ui/battlefield/map_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>

#include "model/battlefield/pointer.h"
#include "model/core/inspection.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/platform/server_pictures.h"
#include "ui/platform/shown_aside.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/rect_union.h"
#include "ui/widgets/uncovered.h"

namespace kr {

namespace {

// Above this many separate rectangles one pass over their bounding box is cheaper.
constexpr int kMaxSeparateRects = 1000;

int buttonNumber(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return 1;
  if (b == Qt::RightButton) return 2;
  return 0;
}

int buttonMask(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
         (b & Qt::MiddleButton ? 4 : 0);
}

// An object's rectangle as far as it is drawn: its outline shows even when it is empty.
QRect drawnArea(const QRect& r) {
  return QRect(r.topLeft(), QSize(std::max(1, r.width()), std::max(1, r.height())));
}

QRegion outline(const QRect& r) {
  const QRect whole = drawnArea(r);
  return QRegion(whole) - QRegion(whole.adjusted(1, 1, -1, -1));
}

const QCursor& spriteCursor(const char* name, qreal ratio) {
  static std::map<std::pair<std::string, qreal>, QCursor> cursors;
  const auto key = std::pair{std::string(name), ratio};
  auto it = cursors.find(key);
  if (it == cursors.end()) {
    // The pointers' hot spot is their top-left pixel.
    const QPixmap& pm =
        SpriteStore::instance().scaled(QString::fromLatin1(name), QSize(32, 32), ratio);
    it = cursors.emplace(key, QCursor(pm, 0, 0)).first;
  }
  return it->second;
}

}  // namespace

MapView::MapView(GameUi& ui, QWidget* parent)
    : QWidget(parent), ui_(ui), aside_(new ShownAside(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

MapView::~MapView() = default;

void MapView::setServerPictures(std::unique_ptr<ServerPictures> pictures) {
  aside_->setServer(std::move(pictures));
}

ServerPictures* MapView::serverToShow() {
  ServerPictures* server = aside_->server();
  if (!server) return nullptr;
  // Pictures for another density are not shown again: the painter has let them go.
  if (painter_.ratio() != serverRatio_) {
    server->forget();
    serverRatio_ = painter_.ratio();
  }
  return serverRatio_ == 1 ? server : nullptr;
}

void MapView::showPictureChanges(const Battlefield& f) {
  if (pictureChanges_.empty()) return;
  ServerPictures* server = serverThisSync_;
  std::vector<char> shown(kSlots, 0);
  if (server) {
    const QRegion free = uncovered(this);
    // Most often nothing lies over the map: the free part is one rectangle.
    const auto inFree = [&free](const QRect& r) {
      return free.rectCount() == 1 ? free.boundingRect().contains(r)
                                   : (QRegion(r) - free).isEmpty();
    };
    std::vector<QRect> drawn;
    for (const MapPainter::Alone& a : painter_.picturesAlone(f, rect(), pictureChanges_))
      if (inFree(a.at) && server->show(*a.picture, aside_->inWindow(a.at.topLeft()))) {
        drawn.push_back(a.at);
        shown[static_cast<std::size_t>(a.slot)] = 1;
      }
    server->send();
    aside_->shown(unite(drawn));
  }
  for (const int slot : pictureChanges_)
    if (!shown[static_cast<std::size_t>(slot)])
      repaints_.push_back(drawnArea(drawn_[static_cast<std::size_t>(slot)].rect));
  pictureChanges_.clear();
}

QPointF MapView::mapPoint(QPointF widgetPos) const { return widgetPos - QPointF(drawnOffset_); }

void MapView::repaintChanged(QRect oldRect, QRect newRect, bool oldShown, bool newShown) {
  // A picture that changes in place (a factory's next frame) is one rectangle to repaint.
  if (oldShown && !(newShown && newRect == oldRect)) repaints_.push_back(drawnArea(oldRect));
  if (newShown) repaints_.push_back(drawnArea(newRect));
}

void MapView::repaintCollected() {
  if (repaints_.empty()) return;
  const QRegion changed = unite(repaints_);
  repaints_.clear();
  update(changed.translated(drawnOffset_));
}

void MapView::syncControl(DrawnControl& drawn, const Control& now, int margin) {
  const QRect r = MapPainter::mapRect(now).adjusted(-margin, -margin, margin, margin);
  if (drawn.visible == now.visible && drawn.rect == r && drawn.caption == now.caption) return;
  repaintChanged(drawn.rect, r, drawn.visible, now.visible);
  drawn = DrawnControl{now.visible, r, now.caption};
}

void MapView::syncSelection(const Control& now) {
  DrawnControl& drawn = drawnSelection_;
  const QRect r = MapPainter::mapRect(now);
  if (drawn.visible == now.visible && drawn.rect == r) return;
  // Only the red outline is drawn: its edges are all that change.
  if (drawn.visible) update(outline(drawn.rect.translated(drawnOffset_)));
  if (now.visible) update(outline(r.translated(drawnOffset_)));
  drawn.visible = now.visible;
  drawn.rect = r;
}

void MapView::sync(const Battlefield& f) {
  const QPoint offset = MapPainter::mapOffset(f);
  if (!drawnOnce_ || f.terrainTile != drawnTile_ || f.terrainTiles.size() != drawnTiles_) {
    drawnOnce_ = true;
    drawnTile_ = f.terrainTile;
    drawnTiles_ = f.terrainTiles.size();
    update();
  }
  // Pictures go by the server only while the window's buffer stays where it is.
  serverThisSync_ = offset == drawnOffset_ ? serverToShow() : nullptr;
  if (offset != drawnOffset_) {
    // What was drawn moves with the map; only the uncovered strip is painted afresh. What
    // the window's buffer moves where the server showed newer pictures is out of date.
    const QPoint by = offset - drawnOffset_;
    scroll(by.x(), by.y());
    if (const QRegion stale = aside_->take(); !stale.isEmpty()) update(stale.translated(by));
    drawnOffset_ = offset;
  }

  const int inHand = slotInHand(f);
  if (ui_.syncingEverything()) {
    for (int i = 0; i <= kLastSlot; ++i) syncObject(f, i);
  } else if (f.newestStamp != seenStamp_ || inHand != drawnInHand_) {
    // Only what the game's rules changed since the last look; the item in hand changes its
    // layer without a change of its own.
    for (int i = 0; i <= kLastSlot; ++i)
      if (f.slotStamps[static_cast<std::size_t>(i)] > seenStamp_) syncObject(f, i);
    for (const int slot : {drawnInHand_, inHand})
      if (slot >= 0) syncObject(f, slot);
  }
  seenStamp_ = f.newestStamp;
  drawnInHand_ = inHand;

  syncControl(drawnBarOutline_, f.healthBarFrame, 0);
  syncControl(drawnBarFill_, f.healthBar, 0);
  syncControl(drawnBarLabel_, f.healthLabel, MapPainter::kLabelMargin);
  syncSelection(f.selectionRect);
  showPictureChanges(f);
  serverThisSync_ = nullptr;
  repaintCollected();
  if (!groundRepaints_.empty()) {
    painter_.groundChanged(unite(groundRepaints_));
    groundRepaints_.clear();
  }
  updateCursor();
}

void MapView::syncObject(const Battlefield& f, int slot) {
  const MapObject& o = f.objects[static_cast<std::size_t>(slot)];
  DrawnObject& d = drawn_[static_cast<std::size_t>(slot)];
  if (!o.shown && !d.shown) return;
  const QRect r = MapPainter::mapRect(o);
  const MapLayer layer = o.shown ? mapLayer(f, slot) : MapLayer::Buildings;
  if (d.shown == o.shown && d.rect == r && d.border == o.border && d.layer == layer &&
      d.picture == o.picture)
    return;
  if (serverThisSync_ && d.shown && o.shown && d.rect == r && d.border == o.border &&
      d.layer == layer) {
    // A new picture in place: the server may show it (showPictureChanges).
    pictureChanges_.push_back(slot);
    groundRepaints_.push_back(drawnArea(r));
    d.picture = o.picture;
    return;
  }
  const std::size_t first = repaints_.size();
  repaintChanged(d.rect, r, d.shown, o.shown);
  // Buildings lie on the kept ground: where one changed the ground is drawn afresh.
  groundRepaints_.insert(groundRepaints_.end(), repaints_.begin() + first, repaints_.end());
  d = DrawnObject{o.shown, r, o.picture, o.border, layer};
}

void MapView::paintEvent(QPaintEvent* event) {
  if (!ui_.game.loaded<Battlefield>()) return;
  const Battlefield& f = ui_.game.battlefield();
  QPainter p(this);
  const QRegion& region = event->region();
  painter_.paint(p, f,
                 region.rectCount() > kMaxSeparateRects ? QRegion(region.boundingRect()) : region);
}

bool MapView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  QString text;
  if (ui_.game.loaded<Battlefield>()) {
    const Battlefield& f = ui_.game.battlefield();
    const QPointF at = mapPoint(help->pos());
    const int slot = objectAt(f, static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (slot >= 0) text = QString::fromStdString(f.objects[static_cast<std::size_t>(slot)].tooltip);
  }
  if (text.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(help->globalPos(), text, this);
  return true;
}

void MapView::mousePressEvent(QMouseEvent* event) {
  const int button = buttonNumber(event->button());
  if (button == 0 || !ui_.game.loaded<Battlefield>()) return;
  const QPointF at = mapPoint(event->position());
  if (press_ == Press::None) {
    // The object under the pointer takes the press; bare ground is the map's.
    pressedSlot_ =
        objectAt(ui_.game.battlefield(), static_cast<float>(at.x()), static_cast<float>(at.y()));
    press_ = pressedSlot_ >= 0 ? Press::Object : Press::Map;
    pressedButton_ = button;
  }
  if (press_ != Press::Map) return;
  ui_.input([this, button, at] {
    mapMouseDown(ui_.game, button, static_cast<float>(at.x()), static_cast<float>(at.y()));
  });
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  pointerInside_ = true;
  pointer_ = event->position();
  if (!ui_.game.loaded<Battlefield>()) return;
  const QPointF at = mapPoint(pointer_);
  const float x = static_cast<float>(at.x());
  const float y = static_cast<float>(at.y());
  // While a press lasts its receiver keeps the pointer; otherwise what lies under it.
  const bool mapEvent =
      press_ == Press::Map || (press_ == Press::None && objectAt(ui_.game.battlefield(), x, y) < 0);
  if (!mapEvent) {
    updateCursor();
    return;
  }
  const int buttons = buttonMask(event->buttons());
  ui_.input([this, buttons, x, y] { mapMouseMove(ui_.game, buttons, x, y); });
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  const int button = buttonNumber(event->button());
  if (button == 0 || !ui_.game.loaded<Battlefield>()) return;
  const Press press = press_;
  const int slot = pressedSlot_;
  const bool leftClick = button == 1 && pressedButton_ == 1;
  if (event->buttons() == Qt::NoButton) {
    press_ = Press::None;
    pressedSlot_ = -1;
  }
  const QPointF at = mapPoint(event->position());
  const float x = static_cast<float>(at.x());
  const float y = static_cast<float>(at.y());
  if (press == Press::Object) {
    const MapObject& o = ui_.game.battlefield().objects[static_cast<std::size_t>(slot)];
    const bool onObject = o.shown && x >= o.left && x < o.right() && y >= o.top && y < o.bottom();
    if (leftClick && onObject) ui_.input([this, slot] { objectClick(ui_.game, slot); });
    return;
  }
  if (press != Press::Map) return;
  const bool click = leftClick && rect().contains(event->position().toPoint());
  ui_.input([this, button, x, y, click] {
    mapMouseUp(ui_.game, button, x, y);
    if (click) groundClick(ui_.game);
  });
}

void MapView::leaveEvent(QEvent*) { pointerInside_ = false; }

void MapView::updateCursor() {
  if (!pointerInside_ || !ui_.game.loaded<Battlefield>()) return;
  const Battlefield& f = ui_.game.battlefield();
  const QPointF at = mapPoint(pointer_);
  enum Shape { Object, MapCustom, SizeAll, Arrow };
  Shape shape = Arrow;
  if (press_ != Press::Map &&
      objectAt(f, static_cast<float>(at.x()), static_cast<float>(at.y())) >= 0)
    shape = Object;
  else if (f.mapPointer == Pointer::Custom) shape = MapCustom;
  else if (f.mapPointer == Pointer::SizeAll) shape = SizeAll;
  if (shape == cursorShape_) return;
  cursorShape_ = shape;
  switch (shape) {
    case Object: setCursor(spriteCursor("cursor_object", devicePixelRatio())); break;
    case MapCustom: setCursor(spriteCursor("cursor_map", devicePixelRatio())); break;
    case SizeAll: setCursor(Qt::SizeAllCursor); break;
    case Arrow: unsetCursor(); break;
  }
}

}  // namespace kr
