// The translucent backdrop behind the in-game menu and the message box.
#pragma once

#include <QPixmap>

#include "ui/game_window.h"

namespace kr {

class BackdropWindow : public GameWindow<Backdrop> {
 public:
  explicit BackdropWindow(GameUi& ui);
  void sync();
  // Takes a fresh picture of the battlefield to darken: the backdrop is about to come up
  // in front of it.
  void captureBehind();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The battlefield as it stood when the backdrop came up over it. Darkening a picture of
  // it works on every desktop, with or without a compositor for translucent windows.
  QPixmap behind_;
  QPoint behindAt_;
  int alpha_ = 255;
  int raised_ = -1;
};

}  // namespace kr
