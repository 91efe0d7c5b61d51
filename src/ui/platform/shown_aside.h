// Where a widget's part of its window shows what the display server was asked to draw
// (ServerPictures) instead of what the window's buffer holds. The buffer is out of date
// there: when the server shows the buffer again (the window exposed) the widget repaints
// those places.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWindow>
#include <memory>

class QWidget;

namespace kr {

class ServerPictures;

class ShownAside : public QObject {
 public:
  explicit ShownAside(QWidget* widget);
  ~ShownAside() override;

  // The server's pictures for the widget's native window, while the widget shows in an
  // exposed window at one pixel a logical pixel; null otherwise. Looked for once in each
  // native window.
  ServerPictures* server();
  // In place of the ones looked for (none: nothing goes aside), for this native window.
  void setServer(std::unique_ptr<ServerPictures> server);
  // A point of the widget in the pixels of its native window.
  QPoint inWindow(QPoint p) const;
  // The server drew r (widget pixels).
  void shown(const QRegion& r) { region_ += r; }
  // What the server drew since, taken: the caller repaints it.
  QRegion take();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QWindow* window);

  QWidget* widget_;
  std::unique_ptr<ServerPictures> server_;
  QPointer<QWindow> lookedIn_;  // the native window server_ was looked for in
  WId lookedAt_ = 0;
  // Kept until the buffer is shown again, whatever paints there meanwhile: a paint may be a
  // grab, which leaves the buffer as it is.
  QRegion region_;
};

}  // namespace kr
