// The chat line: a submitted line goes to the box and the notepad, then the console
// commands are tried against the box.
#include "model/comm/chat.h"

#include "model/comm/notepad.h"
#include "model/game.h"

namespace kr {

namespace {

void setChatTimer(Game& g, bool running) {
  g.clock.setEnabled(g.form1().timers.Timer7, running);
}

void addToStocks(Form1& f, int amount) {
  f.Energy += amount;
  f.Metal += amount;
  f.Wood += static_cast<float>(amount);
}

void developerModeOn(Game& g) {
  Form1& f = g.form1();
  g.DeveloperMode = true;
  g.PlayerNick = "Velmarok";
  f.build[kLocator].visible = true;
  f.chat.caption = g.PlayerNick + " Режим девелопера был активирован";
  addToStocks(f, 5500);
  f.build[kTankFactory].visible = true;
  f.BuildDalee.visible = true;
  f.BuildNaZad.visible = true;
}

// A command counts only when its line is all the box shows.
bool boxHoldsCommand(Game& g, const char* word) {
  return g.form1().chat.caption == g.PlayerNick + ": " + word;
}

void runCommands(Game& g) {
  Form1& f = g.form1();
  if (boxHoldsCommand(g, "jyv") && !g.DeveloperMode) developerModeOn(g);
  if (boxHoldsCommand(g, "jyv") && g.DeveloperMode) {
    g.DeveloperMode = false;
    f.chat.caption = g.PlayerNick + " Режим девелопера был отключен";
  }
  if (boxHoldsCommand(g, "mopru")) {
    addToStocks(f, 1000);
    f.chat.caption = g.PlayerNick + " Ресурсы успешно добавлены";
  }
  if (boxHoldsCommand(g, "hw6") && g.LevelNumber == 1) addToStocks(f, 10000);
}

}  // namespace

void chatSubmit(Game& g) {
  Form1& f = g.form1();
  if (f.chatText.caption.empty()) return;
  const std::string line = g.PlayerNick + ": " + f.chatText.caption;
  notePadAddLine(g, line);
  setChatTimer(g, false);
  setChatTimer(g, true);
  if (!f.chat.caption.empty())
    f.chat.caption += "\r\n" + line;
  else
    f.chat.caption = line;
  f.chat.height += kChatLineHeight;
  f.chat.top -= kChatLineHeight;
  f.chat.visible = true;
  f.chatText.caption.clear();
  runCommands(g);
}

void chatTimerTick(Game& g) {
  Form1& f = g.form1();
  f.chat.caption.clear();
  f.chat.visible = false;
  setChatTimer(g, false);
  f.chat.height = kChatLineHeight;
  f.chat.top = static_cast<float>(g.ScreenHeight) - f.chat.height - f.chatText.height;
}

void showChatNotice(Game& g, const std::string& text) {
  Form1& f = g.form1();
  setChatTimer(g, false);
  f.chat.caption = text;
  f.chat.visible = true;
  setChatTimer(g, true);
}

}  // namespace kr
