// The briefing and loading screen.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class BriefingWindow : public QWidget {
 public:
  explicit BriefingWindow(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
