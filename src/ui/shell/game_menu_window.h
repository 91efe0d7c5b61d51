// The in-game menu.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class GameMenuWindow : public QWidget {
 public:
  explicit GameMenuWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
