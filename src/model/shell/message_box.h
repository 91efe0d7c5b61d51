// The game's own message box.
#pragma once

#include <string>

namespace kr {

class Game;

// Mode 1: OK only; any other mode keeps the designed yes/no buttons.
void showMessageBox(Game& g, const std::string& text, int mode, const std::string& caption);
void msgYesClick(Game& g);
void msgNoClick(Game& g);
// Dragging the caption strip: a press, every pointer move until the release (the box
// follows while the pointer is over the strip), the release.
void msgCaptionMouseDown(Game& g);
void msgCaptionMouseMove(Game& g);
void msgCaptionMouseUp(Game& g);

}  // namespace kr
