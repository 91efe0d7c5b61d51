// The battlefield window.
#include "ui/battlefield/battlefield_window.h"

#include "model/game.h"
#include "ui/battlefield/chat_box.h"
#include "ui/battlefield/inspection_frame.h"
#include "ui/battlefield/map_view.h"
#include "ui/battlefield/minimap_frame.h"
#include "ui/battlefield/palette_frame.h"
#include "ui/battlefield/resources_frame.h"
#include "ui/game_ui.h"

namespace kr {

BattlefieldWindow::BattlefieldWindow(GameUi& ui) : ui_(ui) {
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Крепостан"));
  map_ = new MapView(ui, this);
  palette_ = new PaletteFrame(ui, this);
  resources_ = new ResourcesFrame(this);
  inspection_ = new InspectionFrame(ui, this);
  minimap_ = new MinimapFrame(ui, this);
  chat_ = new ChatBox(ui, this);  // last: over the map
}

void BattlefieldWindow::sync() {
  Game& g = ui_.game;
  const Form1& f = g.form1();
  const QRect screen(0, 0, g.ScreenWidth, g.FullScreenHeight);
  if (geometry() != screen) setGeometry(screen);
  map_->setGeometry(rect());
  palette_->sync(f);
  resources_->sync(f);
  inspection_->sync(f);
  minimap_->sync(f);
  map_->sync(f);
  chat_->sync(f);
  if (isEnabled() != f.window.enabled) setEnabled(f.window.enabled);
  if (isVisible() != f.window.visible) setVisible(f.window.visible);
}

}  // namespace kr
