// Not yet built: empty handlers so that the game links.
#include "model/shell/message_box.h"

#include "model/game.h"

namespace kr {

void showMessageBox(Game&, const std::string&, int, const std::string&) {}
void msgYesClick(Game&) {}
void msgNoClick(Game&) {}
void msgCaptionMouseDown(Game&) {}
void msgCaptionMouseMove(Game&) {}
void msgCaptionMouseUp(Game&) {}

}  // namespace kr
