// A label whose caption may be drawn ahead, on a worker thread, into a picture: the window's
// first frame then copies the picture instead of laying out and filling large glyphs.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QSize>
#include <QString>

#include <future>
#include <optional>

namespace kr {

// Everything the pixels of a caption depend on: its text in its font and colour, placed by
// `alignment` in a box of `size` logical pixels, for a screen of `ratio` and `dpi`.
struct CaptionLook {
  QString text;
  QFont font;
  QColor colour;
  Qt::Alignment alignment;
  QSize size;
  qreal ratio = 1;
  int dpi = 96;

  bool operator==(const CaptionLook& other) const;
};

// The caption on a transparent picture, drawn as the label draws it on the screen. Safe on
// any thread once the QGuiApplication exists.
QImage drawCaption(const CaptionLook& look);

// Starts drawing the caption on Qt's thread pool.
std::shared_future<QImage> prepareCaption(const CaptionLook& look);

class CaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

  // A picture of the caption, under way or done, to copy while the label looks as `look`
  // says. Once it looks otherwise, the label draws itself and lets the picture go.
  void usePrepared(const CaptionLook& look, std::shared_future<QImage> picture);
  // The label's last frame was copied from the prepared picture.
  bool drewPrepared() const { return drewPrepared_; }
  // How the label looks now, when drawCaption can draw it so: a plain, enabled, one-piece
  // caption.
  std::optional<CaptionLook> look() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<CaptionLook> preparedLook_;
  std::shared_future<QImage> prepared_;
  bool drewPrepared_ = false;
};

}  // namespace kr
