// A title bar with a close box and a thin frame around a window of the game, drawn as the
// desktop draws an ordinary dialog.
#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>

#include "ui/widgets/frame_size.h"

class QLabel;
class QToolButton;

namespace kr {

// Frames a window of the game (a layer of the game's window): a title bar across its top
// and a one-pixel border, with the window's controls in body(). Dragging the title bar moves
// the window about the game's window; the close box runs onClose.
class TitleFrame : public QObject {
 public:
  static constexpr int kBorder = FrameSize::kBorder;
  static constexpr int kTitleHeight = FrameSize::kTitleHeight;

  TitleFrame(QWidget* window, std::function<void()> onClose);

  // Where the window's controls go: their places are in the body.
  QWidget* body() const { return body_; }
  QLabel* title() const { return title_; }
  QToolButton* closeBox() const { return close_; }
  // Shows the title and gives the body that size, the window growing around it; a hidden
  // window is placed in the middle of a screen of that size, where it comes up (a shown one
  // stays where the player dragged it, brought back inside a screen grown smaller).
  void sync(const QString& title, QSize body, QSize screen);
  // The framed window's size for a body of that size.
  static QSize outerSize(QSize body);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Where a window of that size at `at` goes to keep inside the screen across and its title
  // bar inside down.
  static QPoint keptInside(QPoint at, QSize outer, QSize screen);

  QWidget* window_;
  QWidget* bar_;
  QLabel* title_;
  QToolButton* close_;
  QWidget* body_;
  QPoint grip_;  // where in the window the pointer took hold of the title bar
  bool dragging_ = false;
};

}  // namespace kr
