// The in-game menu: a small black window with a column of buttons; Esc resumes the game.
#include "ui/shell/game_menu_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "model/audio/music.h"
#include "model/battlefield/keys.h"
#include "model/persist/save_file.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/windows.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

using Handler = void (*)(Game&);
constexpr std::array<Handler, 7> kActions{restartClick,    saveClick,     menuLoadClick,
                                          notepadClick,    menuExitClick, musicSwitchClick,
                                          trackSwitchClick};

}  // namespace

GameMenuWindow::GameMenuWindow(GameUi& ui) : GameWindow(ui) {
  paintBlack(this);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    auto* b = new QPushButton(this);
    b->setFont(face(kTimesFace, 9.75, true));
    b->installEventFilter(this);
    const Handler action = kActions[i];
    connect(b, &QPushButton::clicked, this,
            [this, action] { ui_.input([this, action] { action(ui_.game); }); });
    buttons_[i] = b;
  }
}

void GameMenuWindow::sync() {
  const GameMenu& m = model();
  place(centredOnScreen(ui_.game, static_cast<int>(m.width), static_cast<int>(m.height)));
  const std::array<const Control*, 7> controls{&m.restartButton, &m.saveButton, &m.loadButton,
                                               &m.notepadButton, &m.exitButton, &m.musicButton,
                                               &m.trackButton};
  for (std::size_t i = 0; i < buttons_.size(); ++i) syncControl(buttons_[i], *controls[i]);
  syncShown();
}

bool GameMenuWindow::previewKey(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  ui_.input([this] { menuKeyDown(ui_.game, kKeyEscape); });
  return true;
}

bool GameMenuWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && previewKey(static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

void GameMenuWindow::keyPressEvent(QKeyEvent* event) {
  if (!previewKey(event)) QWidget::keyPressEvent(event);
}

}  // namespace kr
