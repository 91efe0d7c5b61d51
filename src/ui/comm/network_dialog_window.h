// The network game dialog: host or join a game of level 100.
#pragma once

#include "ui/game_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kr {

class TitleFrame;

class NetworkDialogWindow : public GameWindow<NetworkDialog> {
 public:
  explicit NetworkDialogWindow(GameUi& ui);
  void sync();

  QPushButton* hostButton() const { return host_; }
  QPushButton* joinButton() const { return join_; }
  QLineEdit* addressBox() const { return address_; }
  TitleFrame* frame() const { return frame_; }

 private:
  TitleFrame* frame_;
  QLabel* title_;
  QPushButton* host_;
  QLabel* prompt_;
  QLineEdit* address_;
  QPushButton* join_;
};

}  // namespace kr
