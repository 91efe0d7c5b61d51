// A frame of the battlefield's right-hand side: a titled panel that follows its control.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QRect>
#include <span>
#include <vector>

#include "model/control.h"

namespace kr {

class PanelFrame : public QFrame {
 public:
  explicit PanelFrame(QWidget* parent);
  // A plain label inside the panel.
  QLabel* addLabel(bool bold = false);
  // The thin lines between the panel's rows, where the controls lie.
  void syncDividers(std::span<const Control> lines);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QRect> dividers_;
};

}  // namespace kr
