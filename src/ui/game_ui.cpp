// The windows of the game and the frame timer that drives the game clock.
#include "ui/game_ui.h"

#include <algorithm>

#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
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

namespace {

template <class... W>
std::tuple<WindowHost<W>...> hostsFor(GameUi& ui, WindowList<W...>) {
  return std::tuple<WindowHost<W>...>(WindowHost<W>(ui)...);
}

}  // namespace

template <class M>
void WindowHost<M>::sync() {
  Game& g = ui_->game;
  if (g.loaded<M>() && !w_) {
    w_ = std::make_unique<Window>(*ui_);
    wasVisible_ = false;
    wasEnabled_ = true;
  }
  if (!g.loaded<M>() && w_) {
    // The window may be unloaded by a handler that one of its own buttons runs: it goes
    // once that button is done with it.
    Window* old = w_.release();
    old->hide();
    old->deleteLater();
  }
  if (!w_) return;
  w_->sync();
  // The window's own sync may have run a handler: look at the model afresh.
  if (!g.loaded<M>() || !w_) return;
  const WindowState& s = g.window<M>().window;
  if (s.visible && (!wasVisible_ || s.raised != raised_ || (s.enabled && !wasEnabled_))) {
    if (beforeRaise_) beforeRaise_();
    w_->raise();
    giveKeyboardTo(w_.get());
  }
  wasVisible_ = s.visible;
  wasEnabled_ = s.enabled;
  raised_ = s.raised;
}

template <class M>
M& GameUi::model() const {
  return game.window<M>();
}

GameUi::GameUi(Game& g, bool realTime, const WindowPlacement& placement)
    : game(g), hosts_(hostsFor(*this, GameWindows{})), realTime_(realTime) {
  // The backdrop comes up with the in-game menu, right under it, even when it was shown
  // already and the battlefield has come in front of it since.
  host<GameMenu>().setBeforeRaise([this] {
    BackdropWindow* backdrop = host<Backdrop>().window();
    if (backdrop && !backdrop->isHidden()) backdrop->raise();
  });
  // Closed from the desktop, the game ends as a confirmed "Выход" ends it.
  screen_.setOnClose([this] { input([this] { gameWindowClosed(game); }); });
  if (!realTime) {
    // The caller runs the clock: the window takes the size the platform names the screen.
    const Size full = game.platform.fullScreen();
    screen_.setGeometry(0, 0, full.width, full.height);
    screen_.show();
  } else {
    screen_.showOnScreen(placement);
    elapsed_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, [this] { frame(); });
    // Socket events change the game outside any window's input: they are input too.
    game.platform.setSocketEvents(this);
  }
  // The size the game's window gets (from the desktop, or from the player's switch between
  // the maximised and the ordinary window) is the game's screen: every screen follows it.
  screen_.setOnResize([this] { input([this] { screenChanged(game); }); });
}

GameUi::~GameUi() {
  if (realTime_) game.platform.setSocketEvents(&game);
}

void GameUi::catchUp() {
  if (!realTime_) return;
  const Millis wall = elapsed_.elapsed();
  game.clock.skipIdleTime(wall);
  game.clock.followWallClock(wall);
}

void GameUi::scheduleWake() {
  if (!realTime_) return;
  const Millis due = game.ended ? -1 : game.clock.nextWake();
  if (due < 0) {
    wake_.stop();
    return;
  }
  // elapsed() rounds down: the wake-up never comes before the timer is due.
  wake_.start(static_cast<int>(std::max<Millis>(0, due - elapsed_.elapsed())));
}

void GameUi::frame() {
  ++wakeUps_;
  if (game.ended) return;
  catchUp();
  if (inputDuringSync_) {
    inputDuringSync_ = false;
    sync();
  } else {
    syncChanged();
  }
  scheduleWake();
}

void GameUi::input(const std::function<void()>& handler) {
  if (game.ended) return;
  if (syncing_) {
    // A window's sync set off this input: the windows follow it right after this sync.
    handler();
    game.clock.noteInput();
    inputDuringSync_ = true;
    return;
  }
  // What fell due before the input happened goes first, as it did on the game clock.
  catchUp();
  handler();
  game.clock.noteInput();
  sync();
  scheduleWake();
}

QSize GameUi::gameScreen() const { return {game.screenWidth, game.screenHeight}; }

void GameUi::connectionRequest(SocketId listener, int requestId) {
  input([this, listener, requestId] { game.connectionRequest(listener, requestId); });
}

void GameUi::socketError(SocketId socket) {
  input([this, socket] { game.socketError(socket); });
}

void GameUi::peerGone(SocketId socket) {
  input([this, socket] { game.peerGone(socket); });
}

void GameUi::advanceBy(Millis ms) {
  game.clock.advanceBy(ms);
  sync();
}

void GameUi::sync() { syncWindows(true); }

void GameUi::syncChanged() {
  // No timer has run since the last sync: nothing has changed.
  if (game.clock.fired() == firedAtSync_ && !game.ended) return;
  syncWindows(false);
}

void GameUi::syncWindows(bool everything) {
  // A window's sync may run handlers (a focus change, a text edit): no re-entry.
  if (syncing_) return;
  syncing_ = true;
  everything_ = everything;
  if (game.ended) wake_.stop();
  firedAtSync_ = game.clock.fired();
  std::apply([](auto&... each) { (each.sync(), ...); }, hosts_);
  everything_ = true;
  syncing_ = false;
  if (inputDuringSync_ && realTime_ && !game.ended) wake_.start(0);
}

// The model and Qt window accessors of every window of the list.
#define KR_GAME_UI_WINDOW(Model, accessor, onLoad, onUnload, QtWindow) \
  template Model& GameUi::model<Model>() const;                        \
  QtWindow* GameUi::accessor() const { return host<Model>().window(); }
KR_GAME_WINDOWS(KR_GAME_UI_WINDOW)
#undef KR_GAME_UI_WINDOW

}  // namespace kr
