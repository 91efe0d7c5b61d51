// The chat line, its box and the console commands.
#pragma once

#include <string>

namespace kr {

class Game;

// One text line of the chat box, pixels; the box grows by this much per chat line.
inline constexpr float kChatLineHeight = 27;

void chatSubmit(Game& g);     // chatText_DblClick; Enter on the battlefield runs it too
void chatTimerTick(Game& g);  // chatBox
// Puts a notice in the chat box in place of its text and shows it for a full 5 s (the
// mission goal, a line from the notepad).
void showChatNotice(Game& g, const std::string& text);

}  // namespace kr
