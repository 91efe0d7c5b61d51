// The windows of the game and the frame timer that drives the game clock.
#include "ui/game_ui.h"

#include <QGuiApplication>

#include "model/game.h"
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

// Whether the windowing system stacks windows (the offscreen one of the tests does not).
bool canRaise() {
  static const bool stacks = QGuiApplication::platformName() != QLatin1String("offscreen");
  return stacks;
}

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
    if (canRaise()) w_->raise();
    if (!w_->testAttribute(Qt::WA_ShowWithoutActivating)) w_->activateWindow();
  }
  wasVisible_ = s.visible;
  wasEnabled_ = s.enabled;
  raised_ = s.raised;
}

template <class M>
M& GameUi::model() const {
  return game.window<M>();
}

GameUi::GameUi(Game& g, bool realTime) : game(g), hosts_(hostsFor(*this, GameWindows{})) {
  // The backdrop comes up with the in-game menu, right under it, even when it was shown
  // already and the battlefield has come in front of it since.
  host<GameMenu>().setBeforeRaise([this] {
    BackdropWindow* backdrop = host<Backdrop>().window();
    if (!backdrop || !backdrop->isVisible()) return;
    backdrop->redrawBehind();
    if (canRaise()) backdrop->raise();
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
  game.clock.followWallClock(elapsed_.elapsed());
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
  std::apply([](auto&... each) { (each.sync(), ...); }, hosts_);
  syncing_ = false;
}

// The model and Qt window accessors of every window of the list.
#define KR_GAME_UI_WINDOW(Model, accessor, onLoad, onUnload, timers, QtWindow) \
  template Model& GameUi::model<Model>() const;                                \
  QtWindow* GameUi::accessor() const { return host<Model>().window(); }
KR_GAME_WINDOWS(KR_GAME_UI_WINDOW)
#undef KR_GAME_UI_WINDOW

}  // namespace kr
