// The base of the game's Qt windows: the GameUi, the window's model, its place and state.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "model/control.h"
#include "model/texts.h"
#include "ui/game_ui.h"

namespace kr {

// A Qt window drawing the model M of one of the game's windows. It exists only while that
// window is loaded (its WindowHost sees to it), takes its title from the model's caption
// where the model has one (else the game's name), and places, shows and enables itself as
// the model says.
template <class M>
class GameWindow : public QWidget {
 protected:
  explicit GameWindow(GameUi& ui) : ui_(ui) {
    // The title stands as it is: the program sets no display name for Qt to add to it.
    if constexpr (requires(const M& m) { m.caption; })
      setWindowTitle(QString::fromStdString(model().caption));
    else setWindowTitle(QString::fromUtf8(text::kGameName));
  }

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
    if (isVisible() != s.visible) setVisible(s.visible);
  }

  GameUi& ui_;
};

}  // namespace kr
