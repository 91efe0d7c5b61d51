// The "Строительство" frame.
#include "ui/battlefield/palette_frame.h"

#include "model/core/palette.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"

namespace kr {

PaletteFrame::PaletteFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  for (int i = 0; i < 7; ++i) {
    auto* b = new QPushButton(this);
    connect(b, &QPushButton::clicked, this, [this, i] { ui_.input([this, i] { orderItem(ui_.game, i); }); });
    buttons_[static_cast<std::size_t>(i)] = b;
  }
}

void PaletteFrame::sync(const Form1& f) {
  syncGeometry(this, f.Builder);
  syncControl(title_, f.Label3);
  for (int i = 0; i < 5; ++i) syncControl(buttons_[static_cast<std::size_t>(i)], f.build[static_cast<std::size_t>(i)]);
}

}  // namespace kr
