// A push button with a sprite above its word-wrapped caption, like the palette buttons.
#pragma once

#include <QAbstractButton>
#include <QString>

namespace kr {

class PictureButton : public QAbstractButton {
 public:
  PictureButton(QString sprite, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString sprite_;
};

}  // namespace kr
