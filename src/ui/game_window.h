// The base of the game's Qt windows: a layer of the game's window drawing one window's model.
#pragma once

#include <QRect>
#include <QWidget>

#include "model/control.h"
#include "ui/game_ui.h"

namespace kr {

// A layer of the game's window drawing the model M of one of the game's windows. It exists
// only while that window is loaded (its WindowHost sees to it), and places, shows and
// enables itself as the model says. Places are in the game's window, which is the game's
// screen.
template <class M>
class GameWindow : public QWidget {
 protected:
  explicit GameWindow(GameUi& ui) : QWidget(ui.screen()), ui_(ui) {}

  // The window's model.
  M& model() const { return ui_.template model<M>(); }
  // Moves the window to r unless it stands there already.
  void place(const QRect& r) {
    if (geometry() != r) setGeometry(r);
  }
  // Enabled and shown as the model's window state says.
  void syncShown() {
    const WindowState& s = model().window;
    if (isEnabled() != s.enabled) setEnabled(s.enabled);
    if (isHidden() == s.visible) setVisible(s.visible);
  }

  GameUi& ui_;
};

}  // namespace kr
