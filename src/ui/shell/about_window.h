// The about box.
#pragma once

#include "ui/game_window.h"

class QLabel;
class QPushButton;

namespace kr {

class PictureImage;

class AboutWindow : public GameWindow<AboutBox> {
 public:
  explicit AboutWindow(GameUi& ui);
  void sync();

  QPushButton* okButton() const { return ok_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* title_;
  PictureImage* icon_;
  QLabel* description_;
  QPushButton* ok_;
};

}  // namespace kr
