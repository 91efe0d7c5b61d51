// The translucent backdrop behind the in-game menu and the message box.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class BackdropWindow : public QWidget {
 public:
  explicit BackdropWindow(GameUi& ui);
  void sync();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  GameUi& ui_;
};

}  // namespace kr
