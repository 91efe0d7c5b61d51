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
// and lets it follow the model.
class WindowHostBase {
 public:
  virtual ~WindowHostBase() = default;
  virtual void sync() = 0;
  virtual QWidget* widget() const = 0;
};

template <class W>
class WindowHost : public WindowHostBase {
 public:
  WindowHost(GameUi& ui, std::function<bool()> loaded) : ui_(ui), loaded_(std::move(loaded)) {}
  void sync() override {
    const bool loaded = loaded_();
    if (loaded && !w_) w_ = std::make_unique<W>(ui_);
    if (!loaded && w_) w_.reset();
    if (w_) w_->sync();
  }
  QWidget* widget() const override { return w_.get(); }
  W* get() const { return w_.get(); }

 private:
  GameUi& ui_;
  std::function<bool()> loaded_;
  std::unique_ptr<W> w_;
};

class BattlefieldWindow;
class MainMenuWindow;
class AboutWindow;
class BackdropWindow;
class BriefingWindow;
class GameMenuWindow;
class MessageBoxWindow;
class NotepadWindow;
class NetworkDialog;

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
  NetworkDialog* networkDialog() const;

 private:
  void frame();

  std::unique_ptr<WindowHost<BattlefieldWindow>> battlefield_;
  std::unique_ptr<WindowHost<BriefingWindow>> briefing_;
  std::unique_ptr<WindowHost<BackdropWindow>> backdrop_;
  std::unique_ptr<WindowHost<GameMenuWindow>> gameMenu_;
  std::unique_ptr<WindowHost<NotepadWindow>> notepad_;
  std::unique_ptr<WindowHost<MainMenuWindow>> mainMenu_;
  std::unique_ptr<WindowHost<AboutWindow>> about_;
  std::unique_ptr<WindowHost<NetworkDialog>> networkDialog_;
  std::unique_ptr<WindowHost<MessageBoxWindow>> messageBox_;
  QTimer frameTimer_;
  QElapsedTimer elapsed_;
  bool syncing_ = false;
};

}  // namespace kr
