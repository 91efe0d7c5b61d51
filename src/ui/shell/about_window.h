// The about box.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class AboutWindow : public QWidget {
 public:
  explicit AboutWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
