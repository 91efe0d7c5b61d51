// The main menu window.
#pragma once

#include <array>

#include "ui/game_window.h"
#include "ui/shell/shell_look.h"

class QAbstractButton;

namespace kr {

class CaptionLabel;

class MainMenuWindow : public GameWindow<MainMenu> {
 public:
  explicit MainMenuWindow(GameUi& ui);
  // Starts making what the menu's first frame needs most on worker threads while the
  // program still sets up: the list of the system's fonts with the title drawn in its face,
  // and the background picture, for the primary screen. The first menu made uses them.
  static void prepareFirstFrame();
  void sync();

  // Top to bottom: "Начать новую одиночную игру", "Загрузить игру", "Начать сетевую игру",
  // "Выход", "About".
  QAbstractButton* button(int row) const { return buttons_[static_cast<std::size_t>(row)]; }
  CaptionLabel* title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr const char* kBackground = "welcome_bg";
  BackgroundPicture background_{QString::fromLatin1(kBackground)};
  CaptionLabel* title_;
  std::array<QAbstractButton*, 5> buttons_{};
};

}  // namespace kr
