// The game's own message box.
#pragma once

#include <string>

namespace kr {

class Game;

// The answers the message box offers.
enum class Answers { kYesNo, kOkOnly };

// kOkOnly turns "Нет" into "ОК" and hides "Да"; kYesNo keeps the buttons as they are.
void showMessageBox(Game& g, const std::string& text, Answers answers, const std::string& caption);
// The message box's load handler: it opens centred on the screen.
void messageBoxLoad(Game& g);
// The screen changed its size: the box comes back inside it if it now lies partly outside.
void messageBoxScreenChanged(Game& g);
void messageYesClick(Game& g);
void messageNoClick(Game& g);
// Dragging the caption strip: a press, every pointer move until the release (the box
// follows while the pointer is over the strip), the release.
void messageCaptionMouseDown(Game& g);
void messageCaptionMouseMove(Game& g);
void messageCaptionMouseUp(Game& g);

}  // namespace kr
