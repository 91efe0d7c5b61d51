// Placing the shell's windows on the game's screen.
#include "ui/shell/shell_look.h"

#include "model/game.h"

namespace kr {

QRect centredOnScreen(const Game& g, int width, int height) {
  return QRect((g.screenWidth - width) / 2, (g.screenHeight - height) / 2, width, height);
}

}  // namespace kr
