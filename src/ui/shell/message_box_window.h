// The game's own message box.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class MessageBoxWindow : public QWidget {
 public:
  explicit MessageBoxWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
