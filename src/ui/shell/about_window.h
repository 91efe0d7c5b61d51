// The about box.
#pragma once

#include "ui/game_window.h"

class QLabel;
class QPushButton;

namespace kr {

class PictureImage;
class TitleFrame;

class AboutWindow : public GameWindow<AboutBox> {
 public:
  explicit AboutWindow(GameUi& ui);
  void sync();

  QPushButton* okButton() const { return ok_; }
  TitleFrame* frame() const { return frame_; }

 private:
  TitleFrame* frame_;
  QLabel* title_;
  PictureImage* icon_;
  QLabel* description_;
  QPushButton* ok_;
};

}  // namespace kr
