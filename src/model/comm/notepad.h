// The notepad of chat lines.
#pragma once

#include <string>

namespace kr {

class Game;

void notepadAddLine(Game& g, const std::string& line);
void notepadBackClick(Game& g);  // "Вернуться в меню"
void notepadKeyDown(Game& g, int keyCode);
void notepadDoubleClick(Game& g, int line);

}  // namespace kr
