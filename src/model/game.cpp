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

Form1& Game::form1() {
  if (!form1_) {
    form1_.emplace();
    form1Load(*this);
  }
  return *form1_;
}

WElcome& Game::welcome() {
  if (!welcome_) {
    welcome_.emplace();
    welcomeLoad(*this);
  }
  return *welcome_;
}

FrmAbout& Game::about() {
  if (!about_) about_.emplace();
  return *about_;
}

Fon& Game::fon() {
  if (!fon_) {
    fon_.emplace();
    fonLoad(*this);
  }
  return *fon_;
}

Form2& Game::form2() {
  if (!form2_) {
    form2_.emplace();
    form2Load(*this);
  }
  return *form2_;
}

Form3& Game::form3() {
  if (!form3_) {
    form3_.emplace();
    form3Load(*this);
  }
  return *form3_;
}

MsgB& Game::msgB() {
  if (!msgB_) {
    msgB_.emplace();
    // The box opens centred on the screen.
    msgB_->left = (ScreenWidth - msgB_->width) / 2;
    msgB_->top = (ScreenHeight - msgB_->height) / 2;
  }
  return *msgB_;
}

NotePadFrm& Game::notePad() {
  if (!notePad_) notePad_.emplace();
  return *notePad_;
}

Setka& Game::setka() {
  if (!setka_) setka_.emplace();
  return *setka_;
}

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
