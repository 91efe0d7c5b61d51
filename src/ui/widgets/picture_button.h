// A push button with a sprite and a caption, like the palette buttons.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

namespace kr {

class PictureButton : public QAbstractButton {
 public:
  PictureButton(QString sprite, QWidget* parent);

  // Where the button draws its picture and each line of its caption.
  struct Layout {
    QFont font;
    QRect picture;
    struct Line {
      QRect rect;
      QString text;
      int flags;
    };
    std::vector<Line> lines;
  };
  // The caption's name goes across the top; a price ("Э-300 М-200 Д-50") stands one
  // amount a line beside the picture under it. The caption keeps one size on every
  // button, so the picture takes what room is left.
  Layout layout() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString sprite_;
};

}  // namespace kr
