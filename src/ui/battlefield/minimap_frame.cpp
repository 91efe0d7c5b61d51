// The "Карта" frame: the map picture, the markers, the yellow frame and the black curtain.
#include "ui/battlefield/minimap_frame.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/battlefield/navigation.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/outline.h"

namespace kr {

namespace {

constexpr int kMarkerSide = 4;  // 70 twips, whatever the minimap's scale
// The picture is composed finer than it is shown, then reduced: tiles meet without seams.
// Fine pixels to a logical pixel, and at least two to each pixel of a dense screen.
constexpr int kOversample = 4;
constexpr int kLeastOversample = 2;

bool sameGeometry(const Control& a, const Control& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
         a.visible == b.visible;
}

bool sameMarkers(const std::array<Marker, kSlots>& a, const std::array<Marker, kSlots>& b) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].shown != b[i].shown ||
        (a[i].shown && (a[i].left != b[i].left || a[i].top != b[i].top)))
      return false;
  return true;
}

}  // namespace

MinimapPicture::MinimapPicture(GameUi& ui, QWidget* parent) : QWidget(parent), ui_(ui) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF MinimapPicture::toWidget(float left, float top, float width, float height) const {
  return {left * scaleX_, top * scaleY_, width * scaleX_, height * scaleY_};
}

void MinimapPicture::buildPicture(const Battlefield& f) {
  if (size().isEmpty() || f.terrainTile.empty()) return;
  // Shown in the pixels of the window's screen.
  const qreal ratio = devicePixelRatio();
  const QSize shown(qRound(width() * ratio), qRound(height() * ratio));
  const QImage& tile = SpriteStore::instance().image(QString::fromStdString(f.terrainTile), ratio);
  const QSizeF tileSize = tile.deviceIndependentSize();
  const QSize fine =
      shown * std::max(kLeastOversample, static_cast<int>(std::ceil(kOversample / ratio)));
  const double sx = fine.width() / static_cast<double>(f.mapSurface.width);
  const double sy = fine.height() / static_cast<double>(f.mapSurface.height);
  // Each tile reduced once, a pixel larger than its place so that neighbours overlap.
  QImage small = tile.scaled(static_cast<int>(std::ceil(tileSize.width() * sx)) + 1,
                             static_cast<int>(std::ceil(tileSize.height() * sy)) + 1,
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  small.setDevicePixelRatio(1);  // placed in pixels of the composed picture
  QImage composed(fine, QImage::Format_RGB32);
  composed.fill(Qt::black);
  QPainter p(&composed);
  for (const Point& t : f.terrainTiles)
    p.drawImage(QPointF(std::floor(t.x * sx), std::floor(t.y * sy)), small);
  p.end();
  picture_ = composed.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  picture_.setDevicePixelRatio(ratio);
}

void MinimapPicture::sync(const Battlefield& f) {
  syncGeometry(this, f.minimap);
  // The minimap's scale is the map's own size.
  scaleX_ = width() / static_cast<double>(f.mapSurface.width);
  scaleY_ = height() / static_cast<double>(f.mapSurface.height);
  bool changed = false;
  if (!f.minimapPictureReady && (!picture_.isNull() || pictureDue_)) {
    picture_ = QImage();
    pictureDue_ = false;
    changed = true;
  }
  // Composed when next painted: the battlefield comes up from the briefing, and by then the
  // briefing's pictures are gone rather than held beside the terrain reduced for the map.
  if (f.minimapPictureReady && picture_.isNull() && !pictureDue_) {
    pictureDue_ = true;
    changed = true;
  }
  // The markers change with their slots: on a wake-up they are compared only when the model
  // has stamped a slot as changed.
  const bool markersMayDiffer = ui_.syncingEverything() || f.newestStamp != seenStamp_;
  seenStamp_ = f.newestStamp;
  if (!sameGeometry(drawnFrame_, f.viewFrame) || !sameGeometry(drawnCurtain_, f.curtain) ||
      !sameGeometry(drawnImage_, f.minimapPicture) ||
      (markersMayDiffer && !sameMarkers(drawnMarkers_, f.markers))) {
    drawnFrame_ = f.viewFrame;
    drawnCurtain_ = f.curtain;
    drawnImage_ = f.minimapPicture;
    drawnMarkers_ = f.markers;
    changed = true;
  }
  if (changed) update();
}

void MinimapPicture::paintEvent(QPaintEvent*) {
  if (!ui_.game.loaded<Battlefield>()) return;
  const Battlefield& f = ui_.game.battlefield();
  // On a screen of another density the picture is composed again for its pixels.
  if (pictureDue_ || (!picture_.isNull() && picture_.devicePixelRatio() != devicePixelRatio()))
    buildPicture(f);
  pictureDue_ = false;
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!picture_.isNull() && f.minimapPicture.visible)
    p.drawImage(toWidget(f.minimapPicture.left, f.minimapPicture.top, f.minimapPicture.width,
                         f.minimapPicture.height),
                picture_);

  for (int i = 0; i <= kLastSlot; ++i) {
    const Marker& m = f.markers[static_cast<std::size_t>(i)];
    if (!m.shown) continue;
    const QRectF at = toWidget(m.left, m.top, 0, 0);
    const QColor colour = i < kFirstEnemySlot ? QColor(255, 0, 0) : QColor(0, 0, 255);
    p.fillRect(QRect(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())),
                     kMarkerSide, kMarkerSide),
               colour);
  }

  if (f.viewFrame.visible) {
    const QRectF r =
        toWidget(f.viewFrame.left, f.viewFrame.top, f.viewFrame.width, f.viewFrame.height);
    drawOutline(p, r.toRect(), QColor(255, 255, 0));
  }

  if (f.curtain.visible)
    p.fillRect(toWidget(f.curtain.left, f.curtain.top, f.curtain.width, f.curtain.height),
               Qt::black);
}

void MinimapPicture::mousePressEvent(QMouseEvent* event) {
  const int button = event->button() == Qt::LeftButton    ? 1
                     : event->button() == Qt::RightButton ? 2
                                                          : 0;
  if (button == 0 || scaleX_ <= 0 || scaleY_ <= 0) return;
  const float x = static_cast<float>(event->position().x() / scaleX_);
  const float y = static_cast<float>(event->position().y() / scaleY_);
  ui_.input([this, button, x, y] { minimapPress(ui_.game, button, x, y); });
}

MinimapFrame::MinimapFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent) {
  // Its column runs on past the window's bottom edge, as the game lays it out.
  setObjectName(QStringLiteral("minimapColumn"));
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  picture_ = new MinimapPicture(ui, this);
}

void MinimapFrame::sync(const Battlefield& f) {
  syncGeometry(this, f.minimapFrame);
  syncControl(title_, f.minimapFrameTitle);
  picture_->sync(f);
}

}  // namespace kr
