// Typing a chat line as the player does.
#pragma once

#include <string>

#include "model/battlefield/keys.h"
#include "model/comm/chat.h"
#include "model/game.h"

namespace kr::test {

// Enter opens the chat line, the player types the text, Enter sends it.
inline void sayInChat(Game& g, const std::string& text) {
  battlefieldKeyDown(g, kKeyEnter);
  chatLineChange(g, text);
  battlefieldKeyDown(g, kKeyEnter);
}

}  // namespace kr::test
