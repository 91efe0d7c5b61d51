// The chat line: a submitted line goes to the box and the notepad, then the console
// commands are tried against the box.
#include "model/comm/chat.h"

#include <cmath>

#include "model/comm/notepad.h"
#include "model/core/building_kinds.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/text.h"
#include "model/texts.h"

namespace kr {

namespace {

// The console commands, as typed into the chat line.
constexpr const char* kDeveloperCommand = "jyv";  // developer mode on and off
constexpr const char* kGiftCommand = "mopru";     // 1000 of each stock
constexpr const char* kBigGiftCommand = "hw6";    // 10000 of each stock, on the first level

void setChatTimer(Game& g, bool running) { g.clock.setEnabled(kChatBoxTimer, running); }

void addToStocks(Battlefield& f, int amount) {
  f.energy += amount;
  f.metal += amount;
  f.wood += static_cast<float>(amount);
}

void developerModeOn(Game& g) {
  Battlefield& f = g.battlefield();
  g.developerMode = true;
  g.playerNick = text::kDeveloperNick;
  f.chatBox.caption = fillIn(text::kDeveloperModeOn, {g.playerNick});
  addToStocks(f, 5500);
  // Every palette button that waits to be unlocked shows.
  for (const BuildingKind& kind : kBuildingKinds)
    if (kind.palette.hiddenAtStart) f.paletteButton(kind.kind).visible = true;
  f.nextPageArrow.visible = true;
  f.previousPageArrow.visible = true;
}

// A command counts only when its line is all the box shows.
bool boxHoldsCommand(Game& g, const char* word) {
  return g.battlefield().chatBox.caption == fillIn(text::kChatLine, {g.playerNick, word});
}

// The lines a text takes in the chat box.
std::vector<std::string> wrapInBox(Game& g, std::string_view text) {
  Platform& p = g.platform;
  const float room = g.battlefield().chatBox.width - 2 * kChatTextMargin;
  return wrapWords(text, room, [&p](const std::string& s) { return p.chatTextWidth(s); });
}

// Makes the box taller by `lines` lines, keeping its bottom edge where it is.
void growChatBox(Control& box, float lines) {
  box.height += kChatLineHeight * lines;
  box.top -= kChatLineHeight * lines;
}

void runCommands(Game& g) {
  Battlefield& f = g.battlefield();
  if (boxHoldsCommand(g, kDeveloperCommand) && !g.developerMode) developerModeOn(g);
  if (boxHoldsCommand(g, kDeveloperCommand) && g.developerMode) {
    g.developerMode = false;
    f.chatBox.caption = fillIn(text::kDeveloperModeOff, {g.playerNick});
  }
  if (boxHoldsCommand(g, kGiftCommand)) {
    addToStocks(f, 1000);
    f.chatBox.caption = fillIn(text::kResourcesAdded, {g.playerNick});
  }
  if (boxHoldsCommand(g, kBigGiftCommand) && levelRules(g.levelNumber).stocksGift)
    addToStocks(f, 10000);
}

}  // namespace

void chatSubmit(Game& g) {
  Battlefield& f = g.battlefield();
  if (f.chatLine.caption.empty()) return;
  const std::string line = fillIn(text::kChatLine, {g.playerNick, f.chatLine.caption});
  notepadAddLine(g, line);
  setChatTimer(g, false);
  setChatTimer(g, true);
  if (!f.chatBox.caption.empty()) f.chatBox.caption += "\r\n" + line;
  else f.chatBox.caption = line;
  growChatBox(f.chatBox, static_cast<float>(wrapInBox(g, line).size()));
  f.chatBox.visible = true;
  f.chatLine.caption.clear();
  runCommands(g);
}

void chatLineChange(Game& g, const std::string& text) {
  if (!canClick(g, &Battlefield::chatLine)) return;
  g.battlefield().chatLine.caption = text;
}

void chatLineDoubleClick(Game& g) {
  if (!canClick(g, &Battlefield::chatLine)) return;
  chatSubmit(g);
}

void chatTimerTick(Game& g) {
  Battlefield& f = g.battlefield();
  f.chatBox.caption.clear();
  f.chatBox.visible = false;
  setChatTimer(g, false);
  f.chatBox.height = kChatLineHeight;
  f.chatBox.top = static_cast<float>(g.screenHeight) - f.chatBox.height - f.chatLine.height;
}

void showChatNotice(Game& g, const std::string& text) {
  Battlefield& f = g.battlefield();
  setChatTimer(g, false);
  f.chatBox.caption = text;
  fitChatBoxToText(g);
  f.chatBox.visible = true;
  setChatTimer(g, true);
}

void fitChatBoxToText(Game& g) {
  Control& box = g.battlefield().chatBox;
  const float missing =
      static_cast<float>(chatBoxLines(g).size()) - std::floor(box.height / kChatLineHeight);
  if (missing > 0) growChatBox(box, missing);
}

std::vector<std::string> chatBoxLines(Game& g) {
  std::vector<std::string> lines;
  const std::string& text = g.battlefield().chatBox.caption;
  std::size_t from = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", from);
    for (std::string& l : wrapInBox(g, std::string_view(text).substr(from, end - from)))
      lines.push_back(std::move(l));
    if (end == std::string::npos) break;
    from = end + 2;
  }
  return lines;
}

const WindowTimer<Battlefield> kChatBoxTimer({
    .name = "chatBox",
    .interval = 5000ms,
    .place = 5,
    .tick = chatTimerTick,
});

}  // namespace kr
