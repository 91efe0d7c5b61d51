// The briefing and loading screen.
#pragma once

#include "ui/game_window.h"
#include "ui/shell/shell_look.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kr {

class BriefingWindow : public GameWindow<Briefing> {
 public:
  explicit BriefingWindow(GameUi& ui);
  void sync();

  QPushButton* startButton() const { return start_; }  // "Начать"
  QPushButton* loadButton() const { return load_; }    // "Загрузить"
  QPushButton* quitButton() const { return quit_; }    // "Выйти"
  QLineEdit* nickBox() const { return nick_; }
  QLabel* briefing() const { return text_; }
  QLabel* percentage() const { return percent_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BackgroundPicture background_{QStringLiteral("briefing_bg"), BackgroundPicture::Fit::WholeWindow};
  QLabel* text_;
  QPushButton* start_;
  QPushButton* load_;
  QPushButton* quit_;
  QWidget* barFrame_;
  QWidget* barFill_;
  QLabel* percent_;
  QLabel* nickLabel_;
  QLineEdit* nick_;
};

}  // namespace kr
