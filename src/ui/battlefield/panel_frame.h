// A frame of the battlefield's right-hand side: a titled panel that follows its control.
#pragma once

#include <QFrame>
#include <QLabel>

#include "model/control.h"

namespace kr {

class PanelFrame : public QFrame {
 public:
  explicit PanelFrame(QWidget* parent);
  // A plain label inside the panel.
  QLabel* addLabel(bool bold = false);
};

}  // namespace kr
