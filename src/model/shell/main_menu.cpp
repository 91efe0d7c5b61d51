// Start-up, the main menu, the about box and the backdrop.
#include "model/shell/main_menu.h"

#include "model/game.h"

namespace kr {

void startUp(Game& g) {
  // Until the main menu opens the game, mission 1 starts straight away.
  g.welcome();
  g.unloadWelcome();
  g.LevelNumber = 1;
  Form1& f = g.form1();
  f.terrainTile = "Piclevel1";
  for (int y = 0; y < 6000; y += 1200)
    for (int x = 0; x < 6000; x += 1600) f.terrainTiles.push_back({x, y});
  g.clock.setEnabled(f.timers.Timer1, true);
  f.window.visible = true;
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
void newGameClick(Game&) {}
void loadGameClick(Game&) {}
void networkGameClick(Game&) {}
void exitClick(Game&) {}
void aboutClick(Game&) {}
void aboutOkClick(Game&) {}
void fonLoad(Game& g) {
  // The backdrop never takes input or the focus.
  g.fon().window.enabled = false;
}
void makeTranslucent(Game& g, int alpha) { g.fon().opacity = alpha; }

}  // namespace kr
