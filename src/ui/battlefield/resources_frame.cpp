// The "Ресурсы" frame.
#include "ui/battlefield/resources_frame.h"

#include "model/core/world.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// The labels in the order they are kept.
std::array<const Control*, 12> labelControls(const Form1& f) {
  return {&f.ResEn1, &f.ResEn,  &f.EnPlus,  &f.EnMinus, &f.ResMet1, &f.ResMet,
          &f.MetPlus, &f.MetMinus, &f.ResDer1, &f.ResDer, &f.DerPlus, &f.DerMinus};
}

}  // namespace

ResourcesFrame::ResourcesFrame(QWidget* parent) : PanelFrame(parent) {
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    // Stocks stand out in bold; titles and rates are plain.
    labels_[i] = addLabel(i % 4 == 1);
  }
}

void ResourcesFrame::sync(const Form1& f) {
  syncGeometry(this, f.Resources);
  syncControl(title_, f.Label4);
  const auto controls = labelControls(f);
  for (std::size_t i = 0; i < labels_.size(); ++i) syncControl(labels_[i], *controls[i]);
}

}  // namespace kr
