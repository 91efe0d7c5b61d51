// The translucent backdrop behind the in-game menu and the message box.
#pragma once

#include "ui/game_window.h"

namespace kr {

// The whole game window in black at the model's opacity over whatever lies below it: the
// windows under it show through, darkened, and go on moving. It takes no input and never
// the keyboard.
class BackdropWindow : public GameWindow<Backdrop> {
 public:
  explicit BackdropWindow(GameUi& ui);
  void sync();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int alpha_ = 255;
};

}  // namespace kr
