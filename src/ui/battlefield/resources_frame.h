// The "Ресурсы" frame: three stocks and their gains and losses per tick.
#pragma once

#include <QLabel>
#include <array>

#include "ui/battlefield/panel_frame.h"

namespace kr {

struct Battlefield;

class ResourcesFrame : public PanelFrame {
 public:
  explicit ResourcesFrame(QWidget* parent);
  void sync(const Battlefield& f);

 private:
  QLabel* title_;
  std::array<QLabel*, 12> labels_{};
};

}  // namespace kr
