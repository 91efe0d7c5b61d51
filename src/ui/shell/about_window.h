// The about box.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kr {

class GameUi;

class AboutWindow : public QWidget {
 public:
  explicit AboutWindow(GameUi& ui);
  void sync();

  QPushButton* okButton() const { return ok_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  GameUi& ui_;
  QLabel* title_;
  QLabel* icon_;
  QLabel* description_;
  QPushButton* ok_;
};

}  // namespace kr
