// The visible strip of the 6000 × 6000 map: it draws the map and turns mouse activity into
// object clicks and map events.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/battlefield/pointer.h"
#include "model/core/world.h"
#include "ui/battlefield/map_painter.h"

namespace kr {

class GameUi;
class ServerPictures;
class ShownAside;

class MapView : public QWidget {
 public:
  MapView(GameUi& ui, QWidget* parent);
  ~MapView() override;
  // Compares the model with what was drawn last and repaints only what changed. On a
  // wake-up only the slots that the model stamped as changed are compared. A factory's next
  // picture, with nothing over it, goes to the screen as a picture the display server keeps
  // where it can (see ServerPictures), without a repaint.
  void sync(const Battlefield& f);
  // The pictures kept by the display server, in place of the ones looked for at the first
  // sync (none takes them out of use).
  void setServerPictures(std::unique_ptr<ServerPictures> pictures);

 protected:
  // Hovering a building shows its hover text.
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // What one object looked like when it was last drawn; rectangles in map pixels.
  struct DrawnObject {
    bool shown = false;
    QRect rect;
    std::string picture;
    int border = 0;
    MapLayer layer = MapLayer::Buildings;
    bool operator==(const DrawnObject&) const = default;
  };
  struct DrawnControl {
    bool visible = false;
    QRect rect;
    std::string caption;
    bool operator==(const DrawnControl&) const = default;
  };
  enum class Press { None, Map, Object };

  QPointF mapPoint(QPointF widgetPos) const;
  // Collects what to repaint (map pixels); repaintCollected asks for it all at once.
  void repaintChanged(QRect oldRect, QRect newRect, bool oldShown, bool newShown);
  void repaintCollected();
  void syncControl(DrawnControl& drawn, const Control& now, int margin);
  void syncObject(const Battlefield& f, int slot);
  void syncSelection(const Control& now);
  // Shows the pictures that changed in place by the display server where it can; what it
  // cannot show is repainted.
  void showPictureChanges(const Battlefield& f);
  // The server's pictures, when they can show the painter's pictures now.
  ServerPictures* serverToShow();
  void updateCursor();

  GameUi& ui_;
  MapPainter painter_;

  bool drawnOnce_ = false;
  QPoint drawnOffset_;
  std::string drawnTile_;
  std::size_t drawnTiles_ = 0;
  std::array<DrawnObject, kSlots> drawn_{};
  std::uint64_t seenStamp_ = 0;  // the newest change stamp of the object table compared
  int drawnInHand_ = -1;
  std::vector<QRect> repaints_;        // this sync's changes, map pixels
  std::vector<QRect> groundRepaints_;  // those of them on the kept ground
  DrawnControl drawnBarOutline_, drawnBarFill_, drawnBarLabel_, drawnSelection_;

  ShownAside* aside_;      // where the server drew newer pictures than the buffer's
  qreal serverRatio_ = 1;  // the density of the pictures the server keeps
  // The server's pictures while this sync may show pictures by them; null otherwise.
  ServerPictures* serverThisSync_ = nullptr;
  std::vector<int> pictureChanges_;  // slots whose picture alone changed in this sync

  Press press_ = Press::None;
  int pressedSlot_ = -1;
  int pressedButton_ = 0;
  bool pointerInside_ = false;
  QPointF pointer_;
  int cursorShape_ = -1;
};

}  // namespace kr
