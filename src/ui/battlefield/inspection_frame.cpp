// The inspection frame: name, effect lines and the power switch of the inspected building.
#include "ui/battlefield/inspection_frame.h"

#include "model/core/inspection.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// The font for the text within the width: narrowed first, then smaller.
QFont fittingFont(QFont font, const QString& text, int width) {
  const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
  if (fits()) return font;
  font.setStretch(QFont::Condensed);
  while (!fits() && font.pointSizeF() > 5) font.setPointSizeF(font.pointSizeF() - 0.5);
  return font;
}

}  // namespace

InspectionFrame::InspectionFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {
  name_ = addLabel(true);
  name_->setAlignment(Qt::AlignCenter);
  nameFont_ = name_->font();
  for (QLabel*& l : effects_) {
    l = addLabel();
    l->setIndent(8);
  }
  powerSwitch_ = new QPushButton(this);
  powerSwitch_->setFocusPolicy(Qt::NoFocus);
  connect(powerSwitch_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { powerSwitchClick(ui_.game); }); });
}

void InspectionFrame::sync(const Battlefield& f) {
  syncGeometry(this, f.inspectionFrame);
  syncDividers(f.inspectionFrameDividers);
  const QString shown = name_->text();
  syncControl(name_, f.inspectedName);
  if (name_->text() != shown || name_->width() != nameWidth_) {
    nameWidth_ = name_->width();
    name_->setFont(fittingFont(nameFont_, name_->text(), nameWidth_ - 4));
  }
  syncControl(effects_[0], f.inspectedEnergy);
  syncControl(effects_[1], f.inspectedMetal);
  syncControl(effects_[2], f.inspectedWood);
  syncControl(powerSwitch_, f.powerSwitch);
}

}  // namespace kr
