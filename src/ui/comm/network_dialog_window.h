// The network game dialog "Form4": host or join a game of level 100.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kr {

class GameUi;

class NetworkDialogWindow : public QWidget {
 public:
  explicit NetworkDialogWindow(GameUi& ui);
  void sync();

  QPushButton* hostButton() const { return host_; }
  QPushButton* joinButton() const { return join_; }
  QLineEdit* addressBox() const { return address_; }

 protected:
  // The close box ends the program.
  void closeEvent(QCloseEvent* e) override;

 private:
  GameUi& ui_;
  QLabel* title_;
  QPushButton* host_;
  QLabel* prompt_;
  QLineEdit* address_;
  QPushButton* join_;
};

}  // namespace kr
