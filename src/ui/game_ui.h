// The windows of the game: each follows its model; input goes to the model's handlers.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "model/game.h"

class QWidget;

namespace kr {

class GameUi;

// Creates a window's widget while its model is loaded, destroys it when it is unloaded,
// and lets it follow the model. A window that comes up, that a handler brings forward, or
// that takes input again after handing it to another window, is raised in front of the
// others (and, unless it never takes the focus, activated).
class WindowHostBase {
 public:
  virtual ~WindowHostBase() = default;
  // Whether the windowing system stacks windows (the offscreen one of the tests does not).
  static bool canRaise();
  virtual void sync() = 0;
  virtual QWidget* widget() const = 0;
};

// The window's state while its model is loaded, nullptr while it is not.
using WindowStateOf = std::function<const WindowState*()>;

template <class W>
class WindowHost : public WindowHostBase {
 public:
  WindowHost(GameUi& ui, WindowStateOf state, bool takesFocus = true)
      : ui_(ui), state_(std::move(state)), takesFocus_(takesFocus) {}
  void sync() override {
    if (state_() && !w_) {
      w_ = std::make_unique<W>(ui_);
      wasVisible_ = false;
      wasEnabled_ = true;
    }
    if (!state_() && w_) {
      // The window may be unloaded by a handler that one of its own buttons runs: it goes
      // once that button is done with it.
      W* old = w_.release();
      old->hide();
      old->deleteLater();
    }
    if (!w_) return;
    w_->sync();
    // The window's own sync may have run a handler: look at the model afresh.
    const WindowState* s = state_();
    if (!s || !w_) return;
    if (s->visible && (!wasVisible_ || s->raised != raised_ || (s->enabled && !wasEnabled_))) {
      if (beforeRaise_) beforeRaise_();
      if (canRaise()) w_->raise();
      if (takesFocus_) w_->activateWindow();
    }
    wasVisible_ = s->visible;
    wasEnabled_ = s->enabled;
    raised_ = s->raised;
  }
  QWidget* widget() const override { return w_.get(); }
  W* get() const { return w_.get(); }
  // Runs just before the window is raised: another window may come up right under it.
  void setBeforeRaise(std::function<void()> hook) { beforeRaise_ = std::move(hook); }

 private:
  GameUi& ui_;
  WindowStateOf state_;
  bool takesFocus_;
  std::function<void()> beforeRaise_;
  std::unique_ptr<W> w_;
  bool wasVisible_ = false;
  bool wasEnabled_ = true;
  int raised_ = 0;
};

class BattlefieldWindow;
class MainMenuWindow;
class AboutWindow;
class BackdropWindow;
class BriefingWindow;
class GameMenuWindow;
class MessageBoxWindow;
class NotepadWindow;
class NetworkDialogWindow;

class GameUi : public QObject {
 public:
  // With realTime the game clock follows the wall clock, one frame every 16 ms; without it
  // (tests) the caller advances the clock and calls sync().
  GameUi(Game& game, bool realTime);
  ~GameUi() override;

  Game& game;

  // Runs an input handler of the game, then brings every window up to date.
  void input(const std::function<void()>& handler);
  // Every window follows its model.
  void sync();
  // Advances the game clock (tests) and syncs.
  void advanceBy(Millis ms);

  BattlefieldWindow* battlefield() const;
  MainMenuWindow* mainMenu() const;
  AboutWindow* about() const;
  BackdropWindow* backdrop() const;
  BriefingWindow* briefing() const;
  GameMenuWindow* gameMenu() const;
  MessageBoxWindow* messageBox() const;
  NotepadWindow* notepad() const;
  NetworkDialogWindow* networkDialog() const;

 private:
  void frame();

  std::unique_ptr<WindowHost<BattlefieldWindow>> battlefield_;
  std::unique_ptr<WindowHost<BriefingWindow>> briefing_;
  std::unique_ptr<WindowHost<BackdropWindow>> backdrop_;
  std::unique_ptr<WindowHost<GameMenuWindow>> gameMenu_;
  std::unique_ptr<WindowHost<NotepadWindow>> notepad_;
  std::unique_ptr<WindowHost<MainMenuWindow>> mainMenu_;
  std::unique_ptr<WindowHost<AboutWindow>> aboutBox_;
  std::unique_ptr<WindowHost<NetworkDialogWindow>> networkDialog_;
  std::unique_ptr<WindowHost<MessageBoxWindow>> messageBox_;
  QTimer frameTimer_;
  QElapsedTimer elapsed_;
  bool syncing_ = false;
};

}  // namespace kr
