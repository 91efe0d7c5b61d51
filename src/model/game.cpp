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
void messageBoxLoad(Game& g) {
  MessageBox& box = g.messageBox();
  box.left = (static_cast<float>(g.screenWidth) - box.width) / 2;
  box.top = (static_cast<float>(g.screenHeight) - box.height) / 2;
}

}  // namespace

Battlefield& Game::battlefield() { return touch(battlefield_, battlefieldLoad); }
MainMenu& Game::mainMenu() { return touch(mainMenu_, mainMenuLoad); }
AboutBox& Game::about() { return touch(aboutBox_, nullptr); }
Backdrop& Game::backdrop() { return touch(backdrop_, backdropLoad); }
Briefing& Game::briefing() { return touch(briefing_, briefingLoad); }
GameMenu& Game::gameMenu() { return touch(gameMenu_, gameMenuLoad); }
MessageBox& Game::messageBox() { return touch(messageBox_, messageBoxLoad); }
Notepad& Game::notepad() { return touch(notepad_, nullptr); }
NetworkDialog& Game::networkDialog() { return touch(networkDialog_, nullptr); }

void Game::unloadBattlefield() {
  if (!battlefield_ || ended) return;
  battlefieldUnload(*this);
  if (!battlefield_) return;
  for (TimerId id : battlefield_->timers.all()) clock.remove(id);
  battlefield_.reset();
}

void Game::unloadMainMenu() { mainMenu_.reset(); }
void Game::unloadAboutBox() { aboutBox_.reset(); }
void Game::unloadBackdrop() { backdrop_.reset(); }

void Game::unloadBriefing() {
  if (!briefing_) return;
  for (TimerId id : briefing_->timers.all()) clock.remove(id);
  briefing_.reset();
}

void Game::unloadGameMenu() { gameMenu_.reset(); }
void Game::unloadMessageBox() { messageBox_.reset(); }
void Game::unloadNotepad() { notepad_.reset(); }
void Game::unloadNetworkDialog() { networkDialog_.reset(); }

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
