// The "Строительство" frame: palette buttons, pages, the construction bar, the ready icon.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
struct Form1;

class PaletteFrame : public PanelFrame {
 public:
  PaletteFrame(GameUi& ui, QWidget* parent);
  void sync(const Form1& f);
  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

 private:
  GameUi& ui_;
  QLabel* title_;
  std::array<QPushButton*, 7> buttons_{};
};

}  // namespace kr
