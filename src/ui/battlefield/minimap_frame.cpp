// The "Карта" frame.
#include "ui/battlefield/minimap_frame.h"

#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"

namespace kr {

MinimapFrame::MinimapFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
}

void MinimapFrame::sync(const Form1& f) {
  syncGeometry(this, f.Map);
  syncControl(title_, f.Label5);
}

}  // namespace kr
