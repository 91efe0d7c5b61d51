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

}  // namespace kr
