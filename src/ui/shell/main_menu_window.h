// The main menu window.
#pragma once

#include <array>

#include "ui/game_window.h"
#include "ui/shell/shell_look.h"

class QAbstractButton;
class QLabel;

namespace kr {

class MainMenuWindow : public GameWindow<MainMenu> {
 public:
  explicit MainMenuWindow(GameUi& ui);
  void sync();

  // Top to bottom: "Начать новую одиночную игру", "Загрузить игру", "Начать сетевую игру",
  // "Выход", "About".
  QAbstractButton* button(int row) const { return buttons_[static_cast<std::size_t>(row)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  BackgroundPicture background_{QStringLiteral("welcome_bg")};
  QLabel* title_;
  std::array<QAbstractButton*, 5> buttons_{};
};

}  // namespace kr
