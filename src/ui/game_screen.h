// The game's one window on the desktop, and the keyboard among the layers inside it.
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

namespace kr {

// The one top-level window of the program: frameless, maximised on the screen the game
// starts on, titled with the game's name. Every window of the game is a layer inside it, a
// child widget at the window's place and size, stacked as the game stacks its windows. The
// size it gets from the desktop is the game's screen.
class GameScreen : public QWidget {
 public:
  GameScreen();

  // Shows the window over the usable area of the primary screen, maximised.
  void showOnScreen();
  // Runs when the desktop asks the window to close (Alt+F4, the task bar's close), and when
  // another program destroys it.
  void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
  // Runs when the desktop gives the window another size.
  void setOnResize(std::function<void()> onResize) { onResize_ = std::move(onResize); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> onClose_;
  std::function<void()> onResize_;
};

// Gives the keyboard to a layer: to the control in it that had it last, else to its first
// control that takes the keyboard, else to the layer itself. The game's window passes it on
// whenever it is the active window.
void giveKeyboardTo(QWidget* layer);

// Whether the widget with the keyboard lies in the layer.
bool hasKeyboard(const QWidget* layer);

}  // namespace kr
