// The "Ресурсы" frame.
#include "ui/battlefield/resources_frame.h"

#include "model/core/world.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// The labels in the order they are kept.
std::array<const Control*, 12> labelControls(const Battlefield& f) {
  return {&f.energyTitle, &f.energyStock, &f.energyIncome, &f.energyExpense,
          &f.metalTitle,  &f.metalStock,  &f.metalIncome,  &f.metalExpense,
          &f.woodTitle,   &f.woodStock,   &f.woodIncome,   &f.woodExpense};
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

void ResourcesFrame::sync(const Battlefield& f) {
  syncGeometry(this, f.resourcesFrame);
  syncDividers(f.resourcesFrameDividers);
  syncControl(title_, f.resourcesFrameTitle);
  const auto controls = labelControls(f);
  for (std::size_t i = 0; i < labels_.size(); ++i) syncControl(labels_[i], *controls[i]);
}

}  // namespace kr
