// The in-game menu.
#pragma once

#include <array>

#include "ui/game_window.h"

class QPushButton;

namespace kr {

class GameMenuWindow : public GameWindow<GameMenu> {
 public:
  explicit GameMenuWindow(GameUi& ui);
  void sync();

  // Top to bottom: "Уровень заново", "Сохранить", "Загрузить", "Блокнот", "Выход"; then
  // the two hidden music buttons.
  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The window sees every key before its buttons do.
  bool previewKey(QKeyEvent* event);

  std::array<QPushButton*, 7> buttons_{};
};

}  // namespace kr
