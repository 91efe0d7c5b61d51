// The translucent backdrop.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class BackdropWindow : public QWidget {
 public:
  explicit BackdropWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
