// The windows of the game and the frame timer that drives the game clock.
#include "ui/game_ui.h"

#include <QGuiApplication>

#include "ui/battlefield/battlefield_window.h"
#include "ui/comm/network_dialog_window.h"
#include "ui/comm/notepad_window.h"
#include "ui/shell/about_window.h"
#include "ui/shell/backdrop_window.h"
#include "ui/shell/briefing_window.h"
#include "ui/shell/game_menu_window.h"
#include "ui/shell/main_menu_window.h"
#include "ui/shell/message_box_window.h"

namespace kr {

bool WindowHostBase::canRaise() {
  static const bool stacks = QGuiApplication::platformName() != QLatin1String("offscreen");
  return stacks;
}

namespace {

// The state of a window of the game while it is loaded.
template <class M>
WindowStateOf stateOf(Game& g, bool (Game::*loaded)() const, M& (Game::*model)()) {
  return [&g, loaded, model]() -> const WindowState* {
    return (g.*loaded)() ? &(g.*model)().window : nullptr;
  };
}

}  // namespace

GameUi::GameUi(Game& g, bool realTime) : game(g) {
  // Created in stacking order: later windows come up over earlier ones.
  battlefield_ = std::make_unique<WindowHost<BattlefieldWindow>>(
      *this, stateOf(g, &Game::battlefieldLoaded, &Game::battlefield));
  briefing_ = std::make_unique<WindowHost<BriefingWindow>>(
      *this, stateOf(g, &Game::briefingLoaded, &Game::briefing));
  backdrop_ = std::make_unique<WindowHost<BackdropWindow>>(
      *this, stateOf(g, &Game::backdropLoaded, &Game::backdrop), /*takesFocus=*/false);
  gameMenu_ = std::make_unique<WindowHost<GameMenuWindow>>(
      *this, stateOf(g, &Game::gameMenuLoaded, &Game::gameMenu));
  notepad_ = std::make_unique<WindowHost<NotepadWindow>>(
      *this, stateOf(g, &Game::notepadLoaded, &Game::notepad));
  mainMenu_ = std::make_unique<WindowHost<MainMenuWindow>>(
      *this, stateOf(g, &Game::mainMenuLoaded, &Game::mainMenu));
  aboutBox_ = std::make_unique<WindowHost<AboutWindow>>(
      *this, stateOf(g, &Game::aboutBoxLoaded, &Game::about));
  networkDialog_ = std::make_unique<WindowHost<NetworkDialogWindow>>(
      *this, stateOf(g, &Game::networkDialogLoaded, &Game::networkDialog));
  messageBox_ = std::make_unique<WindowHost<MessageBoxWindow>>(
      *this, stateOf(g, &Game::messageBoxLoaded, &Game::messageBox));
  // The backdrop comes up with the in-game menu, right under it, even when it was shown
  // already and the battlefield has come in front of it since.
  gameMenu_->setBeforeRaise([this] {
    BackdropWindow* backdrop = backdrop_->get();
    if (!backdrop || !backdrop->isVisible()) return;
    backdrop->captureBehind();
    if (WindowHostBase::canRaise()) backdrop->raise();
  });
  if (realTime) {
    elapsed_.start();
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(static_cast<int>(Clock::kMinPeriod));
    connect(&frameTimer_, &QTimer::timeout, this, [this] { frame(); });
    frameTimer_.start();
  }
}

GameUi::~GameUi() = default;

void GameUi::frame() {
  if (game.ended) return;
  game.clock.advanceTo(elapsed_.elapsed());
  sync();
}

void GameUi::input(const std::function<void()>& handler) {
  if (game.ended) return;
  handler();
  sync();
}

void GameUi::advanceBy(Millis ms) {
  game.clock.advanceBy(ms);
  sync();
}

void GameUi::sync() {
  // A window's sync may run handlers (a focus change, a text edit): no re-entry.
  if (syncing_) return;
  syncing_ = true;
  if (game.ended) {
    frameTimer_.stop();
  }
  for (WindowHostBase* h : std::initializer_list<WindowHostBase*>{
           battlefield_.get(), briefing_.get(), backdrop_.get(), gameMenu_.get(), notepad_.get(),
           mainMenu_.get(), aboutBox_.get(), networkDialog_.get(), messageBox_.get()}) {
    h->sync();
  }
  syncing_ = false;
}

BattlefieldWindow* GameUi::battlefield() const { return battlefield_->get(); }
MainMenuWindow* GameUi::mainMenu() const { return mainMenu_->get(); }
AboutWindow* GameUi::about() const { return aboutBox_->get(); }
BackdropWindow* GameUi::backdrop() const { return backdrop_->get(); }
BriefingWindow* GameUi::briefing() const { return briefing_->get(); }
GameMenuWindow* GameUi::gameMenu() const { return gameMenu_->get(); }
MessageBoxWindow* GameUi::messageBox() const { return messageBox_->get(); }
NotepadWindow* GameUi::notepad() const { return notepad_->get(); }
NetworkDialogWindow* GameUi::networkDialog() const { return networkDialog_->get(); }

}  // namespace kr
