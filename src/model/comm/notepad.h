// The notepad of chat lines.
#pragma once

#include <string>

namespace kr {

class Game;

void notePadAddLine(Game& g, const std::string& line);
void notePadBackClick(Game& g);  // "Вернуться в меню"
void notePadKeyDown(Game& g, int keyCode);
void notePadDoubleClick(Game& g, int line);

}  // namespace kr
