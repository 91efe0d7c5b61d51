// The "Карта" frame: the minimap with its markers, the view frame and the curtain.
#pragma once

#include <QImage>
#include <QLabel>
#include <array>
#include <cstdint>

#include "model/core/world.h"
#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;

// `minimap`: the whole map at reduced scale, in map coordinates.
class MinimapPicture : public QWidget {
 public:
  MinimapPicture(GameUi& ui, QWidget* parent);
  void sync(const Battlefield& f);
  // The map picture made from the painted terrain; null until the minimap is painted after
  // the loading pass.
  const QImage& mapPicture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Map coordinates to widget pixels and back.
  QRectF toWidget(float left, float top, float width, float height) const;
  void buildPicture(const Battlefield& f);

  GameUi& ui_;
  QImage picture_;
  bool pictureDue_ = false;  // the loading pass is over: the picture is composed at the next paint
  double scaleX_ = 0;
  double scaleY_ = 0;
  // What was drawn last.
  Control drawnFrame_, drawnCurtain_, drawnImage_;
  std::array<Marker, kSlots> drawnMarkers_{};
  std::uint64_t seenStamp_ = 0;  // the newest change stamp of the object table compared
};

class MinimapFrame : public PanelFrame {
 public:
  MinimapFrame(GameUi& ui, QWidget* parent);
  void sync(const Battlefield& f);
  MinimapPicture* picture() const { return picture_; }

 private:
  QLabel* title_;
  MinimapPicture* picture_;
};

}  // namespace kr
