#pragma once
// Looks up the game's pictures by name; renders each SVG once at its listed pixel size.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <map>
#include <mutex>
#include <tuple>

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
  // The picture stretched to exactly `size` (aspect ignored), smooth, cached per
  // (name, size). Needs a QGuiApplication; call from the GUI thread.
  const QPixmap& scaled(const QString& name, QSize size);
  // Forgets the rendered copies of a picture that is not needed for a while (a window's
  // background once the window is gone); references to them become invalid.
  void release(const QString& name);

  // Resource path of a picture.
  static QString resourcePath(const QString& name);
  // The picture shown in place of a missing one, at the given size.
  static QImage fallbackImage(QSize size);

 private:
  SpriteStore() = default;
  // Renders the SVG of `name` at `size`; a null image when it cannot.
  static QImage render(const QString& name, QSize size);

  std::mutex mutex_;
  std::map<QString, QImage> images_;  // node-based: references stay valid
  std::map<std::tuple<QString, int, int>, QPixmap> pixmaps_;
};
