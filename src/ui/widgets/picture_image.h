// A clickable sprite stretched to its control, with the optional single-line border.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace kr {

class PictureImage : public QWidget {
 public:
  PictureImage(QString sprite, QWidget* parent);
  void onClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  void setBorder(bool border);
  bool border() const { return border_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString sprite_;
  bool border_ = false;
  bool pressed_ = false;
  std::function<void()> onClick_;
};

}  // namespace kr
