// Start-up, the main menu, the about box and the backdrop.
#include "model/shell/main_menu.h"

#include "model/game.h"
#include "model/persist/save_file.h"

namespace kr {

void startUp(Game& g) {
  // The main menu is the first and only window.
  g.welcome().window.show();
}

void welcomeLoad(Game& g) {
  const Size usable = g.platform.usableScreen();
  g.ScreenWidth = usable.width;
  g.ScreenHeight = usable.height;
  g.FullScreenHeight = g.platform.fullScreen().height;
  g.BriefingPending = false;
  g.LoadConfirmPending = false;
  g.ExitConfirmPending = false;
}

void newGameClick(Game& g) {
  g.LevelNumber = 1;
  g.form2().window.show();
  g.unloadWelcome();
  g.JoinedNetworkGame = false;
}

void loadGameClick(Game& g) { zagr(g); }

void networkGameClick(Game& g) {
  g.LevelNumber = 100;
  g.setka().window.show();
  g.unloadWelcome();
}

void exitClick(Game& g) {
  g.playCue("Pus.smus");
  g.end();
}

void aboutClick(Game& g) { g.about().window.show(); }

void aboutOkClick(Game& g) {
  g.welcome().window.show();
  g.about().window.visible = false;
}

void aboutClose(Game& g) { g.unloadAbout(); }

void fonLoad(Game& g) {
  // The backdrop never takes input or the focus.
  g.fon().window.enabled = false;
}

void makeTranslucent(Game& g, int alpha) { g.fon().opacity = alpha; }

}  // namespace kr
