// The windows of the game: each follows its model; input goes to the model's handlers.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <tuple>

#include "model/clock/clock.h"
#include "model/platform/platform.h"
#include "model/window_list.h"
#include "ui/game_screen.h"

namespace kr {

class Game;
class GameUi;

// The Qt window class that draws a window's model, as the list of windows names it.
template <class M>
struct QtWindowOf;
#define KR_QT_WINDOW_OF(Model, accessor, onLoad, onUnload, QtWindow) \
  class QtWindow;                                                    \
  template <>                                                        \
  struct QtWindowOf<Model> {                                         \
    using type = QtWindow;                                           \
  };
KR_GAME_WINDOWS(KR_QT_WINDOW_OF)
#undef KR_QT_WINDOW_OF

// Creates the layer of the model M while the model is loaded, destroys it when it is
// unloaded, and lets it follow the model. A window that comes up, that a handler brings
// forward, or that takes input again after handing it to another window, is raised in front
// of the others and, when it takes input, gets the keyboard.
template <class M>
class WindowHost {
 public:
  using Window = typename QtWindowOf<M>::type;

  explicit WindowHost(GameUi& ui) : ui_(&ui) {}
  void sync();  // game_ui.cpp
  Window* window() const { return w_.get(); }
  // Runs just before the window is raised: another window may come up right under it.
  void setBeforeRaise(std::function<void()> hook) { beforeRaise_ = std::move(hook); }

 private:
  GameUi* ui_;
  std::function<void()> beforeRaise_;
  std::unique_ptr<Window> w_;
  bool wasVisible_ = false;
  bool wasEnabled_ = true;
  int raised_ = 0;
};

class GameUi : public QObject, public SocketEvents {
 public:
  // With realTime the game clock follows the wall clock: the program wakes up when the
  // earliest running game timer falls due and sleeps while none runs. Without it (tests) the
  // caller advances the clock and calls sync().
  // In real time the game's window comes up as placed (maximised by default).
  GameUi(Game& game, bool realTime, const WindowPlacement& placement = {});
  ~GameUi() override;

  Game& game;

  // Runs an input handler of the game, then brings every window up to date.
  void input(const std::function<void()>& handler);
  // Every window follows its model.
  void sync();
  // What one wake-up does: the windows follow only what the game's timers changed since
  // the last sync.
  void syncChanged();
  // Advances the game clock (tests) and syncs.
  void advanceBy(Millis ms);
  // False while a sync looks only at what the game's timers changed (a wake-up): windows
  // with long tables compare just the entries that the model marks as changed.
  bool syncingEverything() const { return everything_; }
  // Whether a wake-up is set (real time only), and how many have come so far.
  bool wakeScheduled() const { return wake_.isActive(); }
  std::uint64_t wakeUps() const { return wakeUps_; }

  // The game's one window on the desktop, which holds every window of the game as a layer.
  GameScreen* screen() { return &screen_; }
  // The game's screen as the game's rules read it: the usable part of the game's window.
  QSize gameScreen() const;

  // Socket events of the platform, passed on to the game as input.
  void connectionRequest(SocketId listener, int requestId) override;
  void socketError(SocketId socket) override;
  void peerGone(SocketId socket) override;

  // The model M of a loaded window (never loads it).
  template <class M>
  M& model() const;  // game_ui.cpp, for every window of the list

  // The Qt window of each window of the game while it is loaded, nullptr while it is not:
  // battlefield() is the BattlefieldWindow, and so on down the list of windows.
#define KR_GAME_UI_ACCESSOR(Model, accessor, onLoad, onUnload, QtWindow) QtWindow* accessor() const;
  KR_GAME_WINDOWS(KR_GAME_UI_ACCESSOR)
#undef KR_GAME_UI_ACCESSOR

 private:
  template <class List>
  struct HostsOf;
  template <class... W>
  struct HostsOf<WindowList<W...>> {
    using type = std::tuple<WindowHost<W>...>;
  };

  template <class M>
  WindowHost<M>& host() {
    return std::get<WindowHost<M>>(hosts_);
  }
  template <class M>
  const WindowHost<M>& host() const {
    return std::get<WindowHost<M>>(hosts_);
  }
  void frame();
  // Moves the game clock up to the wall clock, firing what fell due.
  void catchUp();
  // Sets the wake-up for the earliest running game timer, or none.
  void scheduleWake();
  void syncWindows(bool everything);

  // Declared before the hosts: the layers go before the window that holds them.
  GameScreen screen_;
  // One host for every window, in stacking order: syncing in this order creates the later
  // windows after the earlier ones, so they come up over them.
  HostsOf<GameWindows>::type hosts_;
  bool realTime_;
  QTimer wake_;
  QElapsedTimer elapsed_;
  bool syncing_ = false;
  bool everything_ = true;
  bool inputDuringSync_ = false;
  std::uint64_t firedAtSync_ = 0;  // the clock's handler count at the last sync
  std::uint64_t wakeUps_ = 0;
};

}  // namespace kr
