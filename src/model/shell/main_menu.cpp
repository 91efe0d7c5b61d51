// Start-up, the main menu, the about box and the backdrop.
#include "model/shell/main_menu.h"

#include "model/cues.h"
#include "model/game.h"
#include "model/persist/save_file.h"

namespace kr {

void startUp(Game& g) {
  // The main menu is the first and only window.
  g.load<MainMenu>().window.show();
}

void mainMenuLoad(Game& g) {
  const Size usable = g.platform.usableScreen();
  g.screenWidth = usable.width;
  g.screenHeight = usable.height;
  g.fullScreenHeight = g.platform.fullScreen().height;
  g.briefingPending = false;
  g.loadConfirmPending = false;
  g.exitConfirmPending = false;
}

void newGameClick(Game& g) {
  g.levelNumber = 1;
  g.load<Briefing>().window.show();
  g.unload<MainMenu>();
  g.joinedNetworkGame = false;
}

void loadGameClick(Game& g) { loadSavedGame(g); }

void networkGameClick(Game& g) {
  g.levelNumber = 100;
  g.load<NetworkDialog>().window.show();
  g.unload<MainMenu>();
}

void exitClick(Game& g) {
  g.playCue(cue::kWhoosh);
  g.end();
}

void aboutClick(Game& g) { g.load<AboutBox>().window.show(); }

void aboutOkClick(Game& g) {
  // The menu may have gone meanwhile (a game was started): it comes back.
  g.load<MainMenu>().window.show();
  g.about().window.visible = false;
}

void aboutClose(Game& g) { g.unload<AboutBox>(); }

void backdropLoad(Game& g) {
  // The backdrop never takes input or the focus.
  g.backdrop().window.enabled = false;
}

// Level setup makes the backdrop translucent: that loads it, hidden.
void makeTranslucent(Game& g, int alpha) { g.load<Backdrop>().opacity = alpha; }

}  // namespace kr
