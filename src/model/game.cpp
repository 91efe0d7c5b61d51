// Game: window lifetimes, ending the program, cues and socket events.
#include "model/game.h"

#include "model/comm/network.h"
#include "model/core/level_setup.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"

namespace kr {

Game::Game(Platform& p) : platform(p) { platform.setSocketEvents(this); }

Game::~Game() { platform.setSocketEvents(nullptr); }

namespace {

// The message box opens centred on the screen.
void msgBLoad(Game& g) {
  MsgB& box = g.msgB();
  box.left = (static_cast<float>(g.ScreenWidth) - box.width) / 2;
  box.top = (static_cast<float>(g.ScreenHeight) - box.height) / 2;
}

}  // namespace

Form1& Game::form1() { return touch(form1_, form1Load); }
WElcome& Game::welcome() { return touch(welcome_, welcomeLoad); }
FrmAbout& Game::about() { return touch(about_, nullptr); }
Fon& Game::fon() { return touch(fon_, fonLoad); }
Form2& Game::form2() { return touch(form2_, form2Load); }
Form3& Game::form3() { return touch(form3_, form3Load); }
MsgB& Game::msgB() { return touch(msgB_, msgBLoad); }
NotePadFrm& Game::notePad() { return touch(notePad_, nullptr); }
Setka& Game::setka() { return touch(setka_, nullptr); }

void Game::unloadForm1() {
  if (!form1_ || ended) return;
  form1Unload(*this);
  if (!form1_) return;
  for (TimerId id : form1_->timers.all()) clock.remove(id);
  form1_.reset();
}

void Game::unloadWelcome() { welcome_.reset(); }
void Game::unloadAbout() { about_.reset(); }
void Game::unloadFon() { fon_.reset(); }

void Game::unloadForm2() {
  if (!form2_) return;
  for (TimerId id : form2_->timers.all()) clock.remove(id);
  form2_.reset();
}

void Game::unloadForm3() { form3_.reset(); }
void Game::unloadMsgB() { msgB_.reset(); }
void Game::unloadNotePad() { notePad_.reset(); }
void Game::unloadSetka() { setka_.reset(); }

void Game::end() {
  if (ended) return;
  ended = true;
  clock.halt();
  platform.endProgram();
}

std::string Game::programFile(const std::string& file) {
  return platform.programFolder() + "/" + file;
}

void Game::playCue(const std::string& file) {
  if (ended) return;
  platform.playSound(programFile(file));
}

void Game::connectionRequest(SocketId listener, int requestId) {
  if (!ended) onConnectionRequest(*this, listener, requestId);
}

void Game::socketError(SocketId socket) {
  if (!ended) onSocketError(*this, socket);
}

}  // namespace kr
