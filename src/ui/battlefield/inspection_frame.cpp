// The inspection frame.
#include "ui/battlefield/inspection_frame.h"

#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"

namespace kr {

InspectionFrame::InspectionFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {}

void InspectionFrame::sync(const Form1& f) { syncGeometry(this, f.OZdaFr); }

}  // namespace kr
