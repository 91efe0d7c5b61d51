// The visible strip of the 6000 × 6000 map: terrain tiles, objects, bars, the rectangle.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;
struct Form1;

class MapView : public QWidget {
 public:
  MapView(GameUi& ui, QWidget* parent);
  void sync(const Form1& f);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GameUi& ui_;
};

}  // namespace kr
