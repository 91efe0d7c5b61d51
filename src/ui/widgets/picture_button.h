// A push button with a sprite and a caption, like the palette buttons.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace kr {

class PictureButton : public QAbstractButton {
 public:
  PictureButton(QString sprite, QWidget* parent);

  // The price's amounts, one a line beside the picture ("Э-300", "М-200", "Д-50"); the
  // button's text is its name.
  void setPrice(QStringList amounts);
  const QStringList& price() const { return price_; }

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
  // The name goes across the top, word-wrapped; the price stands one amount a line
  // beside the picture under it. The caption keeps one size on every
  // button, so the picture takes what room is left.
  Layout layout() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString sprite_;
  QStringList price_;
};

}  // namespace kr
