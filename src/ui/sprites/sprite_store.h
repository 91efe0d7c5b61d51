#pragma once
// Looks up the game's pictures by name; renders each SVG once at its listed pixel size, and
// again for each denser screen the game's windows stand on.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

namespace kr {

class SpriteStore {
 public:
  static SpriteStore& instance();

  // A picture of that name exists (as :/sprites/<name>.svg).
  bool has(const QString& name) const;
  // The pixel size the picture is drawn for; 32×32 for a name not in the catalogue.
  QSize nativeSize(const QString& name) const;
  // The picture at its native size, ARGB32_Premultiplied, rendered on first use.
  // A missing or broken picture gives a magenta/black checkerboard with a cross.
  // The reference stays valid for the life of the store.
  const QImage& image(const QString& name);
  // The same picture for a screen of that device pixel ratio: still its native size in
  // logical pixels, rendered from the SVG with `ratio` times the pixels in each direction and
  // the image's devicePixelRatio set. Ratio 1 is image(name) itself.
  const QImage& image(const QString& name, qreal ratio);
  // Only the top-left `shown` logical pixels of the picture at its native size (all of it
  // where `shown` reaches past it): a window smaller than its background picture gets just
  // the pixels it shows, drawn in a fraction of the time. Kept per part asked for.
  const QImage& image(const QString& name, qreal ratio, QSize shown);
  // Starts drawing image(name, ratio, shown) on a worker thread: a picture needed for a
  // window's first frame is then drawn while the program still sets up. image() waits for
  // a picture under way rather than drawing it twice.
  void prepare(const QString& name, qreal ratio, QSize shown);
  // The picture stretched to exactly `size` logical pixels (aspect ignored), rendered at
  // `size` × `ratio` device pixels with that devicePixelRatio, cached per (name, size, ratio).
  // Needs a QGuiApplication; call from the GUI thread.
  const QPixmap& scaled(const QString& name, QSize size, qreal ratio = 1);
  // The picture as a window icon: its native size and twice that, for title and task bars
  // on ordinary and dense screens.
  QIcon icon(const QString& name);
  // Forgets the rendered copies of a picture that is not needed for a while (a window's
  // background once the window is gone); references to them become invalid.
  void release(const QString& name);

  // Resource path of a picture.
  static QString resourcePath(const QString& name);
  // The picture shown in place of a missing one, at the given size.
  static QImage fallbackImage(QSize size);

 private:
  SpriteStore() = default;
  // Renders the SVG of `name` at `size`, keeping the top-left `part` of it; a null image
  // when it cannot.
  static QImage render(const QString& name, QSize size, QSize part);
  // The picture at `size` device pixels for a screen of `ratio`, its top-left `part` kept:
  // rendered, or the fallback; opaque pictures without alpha when `dropAlpha`.
  QImage draw(const QString& name, QSize size, QSize part, qreal ratio, bool dropAlpha) const;
  QImage draw(const QString& name, QSize size, qreal ratio, bool dropAlpha) const {
    return draw(name, size, size, ratio, dropAlpha);
  }

  // A picture for a screen's device pixel ratio, its shown part in logical pixels.
  using ImageKey = std::tuple<QString, qreal, int, int>;

  std::mutex mutex_;
  std::condition_variable drawn_;  // a picture under way is done
  std::set<ImageKey> underWay_;
  // Node-based maps: references stay valid.
  std::map<ImageKey, QImage> images_;
  std::map<std::tuple<QString, int, int, qreal>, QPixmap> pixmaps_;
};

}  // namespace kr
