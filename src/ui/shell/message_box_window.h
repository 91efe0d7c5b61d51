// The game's own message box.
#pragma once

#include "ui/game_window.h"

class QLabel;
class QPushButton;

namespace kr {

class MessageBoxWindow : public GameWindow<MessageBox> {
 public:
  explicit MessageBoxWindow(GameUi& ui);
  void sync();

  QLabel* captionStrip() const { return cap_; }
  QLabel* text() const { return text_; }
  QPushButton* yesButton() const { return yes_; }  // "Да"
  QPushButton* noButton() const { return no_; }    // "Нет", or "ОК"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* cap_;
  QLabel* text_;
  QPushButton* yes_;
  QPushButton* no_;
};

}  // namespace kr
