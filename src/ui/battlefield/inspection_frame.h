// The inspection frame: the inspected building's name, effect lines and power switch.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
struct Form1;

class InspectionFrame : public PanelFrame {
 public:
  InspectionFrame(GameUi& ui, QWidget* parent);
  void sync(const Form1& f);

 private:
  GameUi& ui_;
};

}  // namespace kr
