// The notepad of chat lines.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class NotepadWindow : public QWidget {
 public:
  explicit NotepadWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
