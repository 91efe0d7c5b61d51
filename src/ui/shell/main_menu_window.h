// The main menu window.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class MainMenuWindow : public QWidget {
 public:
  explicit MainMenuWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
