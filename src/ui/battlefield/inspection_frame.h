// The inspection frame: the inspected building's name, effect lines and power switch.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
struct Battlefield;

class InspectionFrame : public PanelFrame {
 public:
  InspectionFrame(GameUi& ui, QWidget* parent);
  void sync(const Battlefield& f);
  QLabel* name() const { return name_; }
  QLabel* effect(int line) const { return effects_[static_cast<std::size_t>(line)]; }
  QPushButton* powerSwitch() const { return powerSwitch_; }

 private:
  GameUi& ui_;
  QLabel* name_;
  QFont nameFont_;                    // the name's own font, before it is fitted to the frame
  int nameWidth_ = 0;                 // the width it was last fitted to
  std::array<QLabel*, 3> effects_{};  // energy, metal, wood
  QPushButton* powerSwitch_;
};

}  // namespace kr
