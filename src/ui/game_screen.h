// The game's one window on the desktop, and the keyboard among the layers inside it.
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

#include "ui/window_placement.h"

namespace kr {

// The one top-level window of the program: frameless, maximised on the screen the game
// starts on, titled with the game's name; or, at the player's choice (F11), an ordinary
// window with the desktop's frame. Every window of the game is a layer inside it, a child
// widget at the window's place and size, stacked as the game stacks its windows. The size it
// gets from the desktop is the game's screen.
class GameScreen : public QWidget {
 public:
  GameScreen();

  // Shows the window on the primary screen as placed: maximised over its usable area, or
  // an ordinary window of the placement's size in its middle.
  void showOnScreen(const WindowPlacement& placement = {});
  // F11: from the maximised window to the ordinary one and back. The desktop's own
  // maximise and restore do the same.
  void switchPlacement();
  // How the window stands now, to be kept for the next start.
  WindowPlacement placement() const;
  // Runs when the desktop asks the window to close (Alt+F4, the task bar's close), and when
  // another program destroys it.
  void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
  // Runs when the desktop gives the window another size.
  void setOnResize(std::function<void()> onResize) { onResize_ = std::move(onResize); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Shown as windowed_ says, with the keyboard.
  void showAsPlaced();
  void showMaximisedWindow();
  void showOrdinaryWindow();

  std::function<void()> onClose_;
  std::function<void()> onResize_;
  bool windowed_ = false;
  QSize windowedSize_;
  // From a switch of the game's own until the desktop has placed the window as asked: the
  // state changes on the way are the switch's, not the player's.
  bool switching_ = false;
};

// Gives the keyboard to a layer: to the control in it that had it last, else to its first
// control that takes the keyboard, else to the layer itself. The game's window passes it on
// whenever it is the active window.
void giveKeyboardTo(QWidget* layer);

// Whether the widget with the keyboard lies in the layer.
bool hasKeyboard(const QWidget* layer);

}  // namespace kr
