// The "Карта" frame: the minimap with its markers, the view frame and the curtain.
#pragma once

#include <QLabel>

#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
struct Form1;

class MinimapFrame : public PanelFrame {
 public:
  MinimapFrame(GameUi& ui, QWidget* parent);
  void sync(const Form1& f);

 private:
  GameUi& ui_;
  QLabel* title_;
};

}  // namespace kr
