// The in-game menu.
#pragma once

namespace kr {

class Game;

void gameMenuLoad(Game& g);
void menuKeyDown(Game& g, int keyCode);  // Esc resumes
void restartClick(Game& g);              // "Уровень заново"
void menuLoadClick(Game& g);             // "Загрузить"
void notepadClick(Game& g);              // "Блокнот"
void menuExitClick(Game& g);             // "Выход"
// The battlefield takes input again and comes in front (of the backdrop and the menu); the
// timers the menu paused stay as they are. The caller hides the window it leaves.
void backToBattlefield(Game& g);

}  // namespace kr
