// Pictures the display server keeps: a picture sent once is shown again, anywhere in a
// window, by a copy the server makes itself. A factory's next picture then costs a request
// of a few bytes instead of its pixels, and the window's own buffer is not repainted (on X,
// repainting pixels the server was last given from shared memory waits for the server first).
#pragma once

#include <QImage>
#include <QPoint>
#include <memory>

class QWidget;

namespace kr {

class ServerPictures {
 public:
  virtual ~ServerPictures() = default;
  // Shows the picture (opaque, Format_RGB32, one pixel a logical pixel) at `at` in the
  // pixels of `widget`'s native window. False when it cannot: the caller paints it instead.
  virtual bool show(const QImage& picture, QPoint at) = 0;
  // Draws the pixels (opaque, Format_RGB32) at `at` once, without keeping them: a picture
  // that shows once, such as a changed figure. False when it cannot.
  virtual bool put(const QImage& pixels, QPoint at) = 0;
  // Sends what show() and put() have asked for.
  virtual void send() = 0;
  // Lets go of every picture kept so far: the images they came from are going.
  virtual void forget() = 0;

  // For the native window the widget is drawn in, when the display server can keep
  // pictures (an X server whose window pixels are laid out as Format_RGB32 has them);
  // null elsewhere.
  static std::unique_ptr<ServerPictures> forWindowOf(QWidget* widget);
};

}  // namespace kr
