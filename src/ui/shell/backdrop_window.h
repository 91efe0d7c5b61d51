// The translucent backdrop behind the in-game menu and the message box.
#pragma once

#include <QRegion>

#include "ui/game_window.h"

namespace kr {

class BattlefieldWindow;

// Shows the battlefield as it is now, darkened, where it lies under the backdrop, and
// plain black elsewhere. It draws the battlefield itself instead of letting it show
// through, so it works on every desktop, with or without a compositor for translucent
// windows. While it covers the battlefield it repaints the parts the battlefield repaints,
// when the battlefield repaints them: a still battlefield costs it nothing.
class BackdropWindow : public GameWindow<Backdrop> {
 public:
  explicit BackdropWindow(GameUi& ui);
  ~BackdropWindow() override;
  void sync();
  // Draws everything afresh: the backdrop is about to come up in front of the battlefield.
  void redrawBehind();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Sees the battlefield's own repaints while the backdrop covers it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The battlefield when it is shown under the backdrop, or nullptr.
  BattlefieldWindow* battlefieldBehind() const;
  void followBattlefield(bool follow);

  int alpha_ = 255;
  int raised_ = -1;
  bool following_ = false;
  bool drawingBehind_ = false;  // the battlefield's repaints are the backdrop's own
};

}  // namespace kr
