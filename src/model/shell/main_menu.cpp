// Start-up, the main menu, the about box and the backdrop.
#include "model/shell/main_menu.h"

#include "model/comm/windows.h"
#include "model/core/level_setup.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/persist/save_file.h"
#include "model/shell/briefing.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"

namespace kr {

void startUp(Game& g) {
  // The main menu is the first and only window.
  g.load<MainMenu>().window.show();
}

namespace {

void readScreen(Game& g) {
  const Size usable = g.platform.usableScreen();
  g.screenWidth = usable.width;
  g.screenHeight = usable.height;
  g.fullScreenHeight = g.platform.fullScreen().height;
}

}  // namespace

void mainMenuLoad(Game& g) {
  readScreen(g);
  g.briefingPending = false;
  g.loadConfirmPending = false;
  g.exitConfirmPending = false;
}

void newGameClick(Game& g) {
  if (!canClick(g, &MainMenu::newGameButton)) return;
  g.levelNumber = kFirstLevel;
  g.load<Briefing>().window.show();
  g.unload<MainMenu>();
  g.joinedNetworkGame = false;
}

void loadGameClick(Game& g) {
  if (!canClick(g, &MainMenu::loadGameButton)) return;
  loadSavedGame(g);
}

void networkGameClick(Game& g) {
  if (!canClick(g, &MainMenu::networkGameButton)) return;
  g.levelNumber = kNetworkLevel;
  g.load<NetworkDialog>().window.show();
  g.unload<MainMenu>();
}

void exitClick(Game& g) {
  if (!canClick(g, &MainMenu::exitButton)) return;
  mainMenuClose(g);
}

void mainMenuClose(Game& g) {
  g.playCue(cue::kWhoosh);
  g.end();
}

void aboutClick(Game& g) {
  if (!canClick(g, &MainMenu::aboutButton)) return;
  g.load<AboutBox>().window.show();
}

void aboutOkClick(Game& g) {
  if (!canClick(g, &AboutBox::okButton)) return;
  // The menu may have gone meanwhile (a game was started): it comes back.
  g.load<MainMenu>().window.show();
  g.about().window.visible = false;
}

void aboutClose(Game& g) { g.unload<AboutBox>(); }

void gameWindowClosed(Game& g) { g.end(); }

void screenChanged(Game& g) {
  readScreen(g);
  // The screens that lay themselves out by the screen's size do so again; the others are
  // centred on it as they are drawn.
  if (g.loaded<Briefing>()) briefingScreenChanged(g);
  if (g.loaded<Battlefield>()) battlefieldScreenChanged(g);
  if (g.loaded<MessageBox>()) messageBoxScreenChanged(g);
}

void backdropLoad(Game& g) {
  // The backdrop never takes input or the focus.
  g.backdrop().window.enabled = false;
}

// Level setup makes the backdrop translucent: that loads it, hidden.
void makeTranslucent(Game& g, int alpha) { g.load<Backdrop>().opacity = alpha; }

}  // namespace kr
