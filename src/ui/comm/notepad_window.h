// The notepad of chat lines: a small black frameless window in the middle of the screen.
#pragma once

#include "ui/game_window.h"

class QListWidget;
class QPushButton;

namespace kr {

class NotepadWindow : public GameWindow<Notepad> {
 public:
  explicit NotepadWindow(GameUi& ui);
  void sync();

  QListWidget* list() const { return list_; }
  QPushButton* backButton() const { return back_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  // The window sees every key before its controls.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  bool keyDown(const QKeyEvent* e);

  QListWidget* list_;
  QPushButton* back_;
};

}  // namespace kr
