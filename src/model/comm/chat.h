// The chat line, its box and the console commands.
#pragma once

#include <string>
#include <vector>

#include "model/clock/timer_rule.h"

namespace kr {

class Game;
struct Battlefield;

// One text line of the chat box, pixels; the box grows by this much per line it draws.
inline constexpr float kChatLineHeight = 27;
// Room left and right of the chat box's text, pixels.
inline constexpr float kChatTextMargin = 2;

// The lines the chat box draws: each of its text's lines broken at spaces to the box's
// width (see wrapWords).
std::vector<std::string> chatBoxLines(Game& g);

// Sends the chat line's text: Enter on the battlefield and a double click on the line.
void chatSubmit(Game& g);
void chatLineChange(Game& g, const std::string& text);  // the player edits the chat line
void chatLineDoubleClick(Game& g);                      // sends the line
void chatTimerTick(Game& g);  // the chat box's time is up: it empties and hides
// Puts a notice in the chat box in place of its text and shows it for its full time (the
// mission goal, a line from the notepad).
void showChatNotice(Game& g, const std::string& text);
// A notice keeps the box's height unless it takes more lines: then the box grows upwards
// until they all show.
void fitChatBoxToText(Game& g);
// The chat box's timer: it shows for 5 s after its last line or notice, which start it.
extern const WindowTimer<Battlefield> kChatBoxTimer;

}  // namespace kr
