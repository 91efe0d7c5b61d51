// The battlefield window: its panels, the keys it previews and the focus the game asks for.
#include "ui/battlefield/battlefield_window.h"

#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "model/battlefield/keys.h"
#include "model/core/level_setup.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/battlefield/chat_box.h"
#include "ui/battlefield/inspection_frame.h"
#include "ui/battlefield/map_view.h"
#include "ui/battlefield/minimap_frame.h"
#include "ui/battlefield/palette_frame.h"
#include "ui/battlefield/resources_frame.h"
#include "ui/game_ui.h"

namespace kr {

namespace {

constexpr int kCyrillicSha = 0x0428;  // "Ш", on the I key of the Russian layout
constexpr quint32 kX11KeycodeI = 31;

}  // namespace

BattlefieldWindow::BattlefieldWindow(GameUi& ui) : GameWindow(ui) {
  map_ = new MapView(ui, this);
  palette_ = new PaletteFrame(ui, this);
  resources_ = new ResourcesFrame(this);
  minimap_ = new MinimapFrame(ui, this);
  // Over the minimap's column: in a low window it stands there, under the minimap.
  inspection_ = new InspectionFrame(ui, this);
  chat_ = new ChatBox(ui, this);  // last: over the map
}

int BattlefieldWindow::keyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_I:
    case kCyrillicSha: return kKeyI;
    default: break;
  }
  return event.nativeScanCode() == kX11KeycodeI ? kKeyI : 0;
}

bool BattlefieldWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != previewed_ || event->type() != QEvent::KeyPress) return false;
  // Only the keys that come to the battlefield: the game's window may have given the
  // keyboard to a window over it.
  if (!isEnabled() || !hasKeyboard(this)) return false;
  const int code = keyCode(*static_cast<QKeyEvent*>(event));
  if (code == 0 || !ui_.game.loaded<Battlefield>()) return false;
  ui_.input([this, code] { battlefieldKeyDown(ui_.game, code); });
  // I still types its letter into the chat line; Esc and Enter end here.
  return code != kKeyI;
}

void BattlefieldWindow::syncFocus(const Battlefield& f) {
  const bool enabledAgain = f.window.enabled && !wasEnabled_;
  wasEnabled_ = f.window.enabled;
  if (f.focus == appliedFocus_ && !enabledAgain) return;
  appliedFocus_ = f.focus;
  // Taking input again, the battlefield comes to the front (its host raises it) with the
  // keyboard where the game puts it.
  if (!f.window.visible || !f.window.enabled) return;
  QWidget* target = nullptr;
  if (f.focus == Focus::Map) target = map_;
  if (f.focus == Focus::ChatLine) target = findChild<QWidget*>(QStringLiteral("chatLine"));
  if (target) target->setFocus(Qt::OtherFocusReason);
}

void BattlefieldWindow::sync() {
  const Game& g = ui_.game;
  const Battlefield& f = model();
  place(QRect(0, 0, g.screenWidth, g.fullScreenHeight));
  // The map shows in the strip left of the panel columns; nothing of it lies under them.
  const QRect strip(0, 0, std::clamp(static_cast<int>(std::lround(f.buildFrame.left)), 0, width()),
                    height());
  if (map_->geometry() != strip) map_->setGeometry(strip);
  palette_->sync(f);
  resources_->sync(f);
  inspection_->sync(f);
  minimap_->sync(f);
  map_->sync(f);
  chat_->sync(f);
  syncShown();
  // Keys are previewed where they enter the game's window, before any control sees them.
  QWindow* entry = window()->windowHandle();
  if (entry && entry != previewed_) {
    if (previewed_) previewed_->removeEventFilter(this);
    previewed_ = entry;
    previewed_->installEventFilter(this);
  }
  syncFocus(f);
}

}  // namespace kr
