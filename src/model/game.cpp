// Game: loading and unloading the windows, ending the program, cues and socket events.
#include "model/game.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "model/clock/timer_rule.h"
#include "model/comm/network.h"
#include "model/comm/windows.h"
#include "model/core/level_setup.h"
#include "model/core/world.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"

namespace kr {

Game::Game(Platform& p) : platform(p) { platform.setSocketEvents(this); }

Game::~Game() {
  platform.setSocketEvents(nullptr);
  // The models go as the game does, without their unload handlers.
  forEachWindow([this]<class W>(std::type_identity<W>) {
    Storage<W>& s = storage<W>();
    if (s.loaded) std::destroy_at(static_cast<W*>(s.memory));
    if (s.memory) ::operator delete (s.memory, std::align_val_t{alignof(W)});
  });
}

namespace {

// What the list says of each window besides its type: its handlers.
template <class W>
struct WindowRules;
#define KR_WINDOW_RULES(Model, accessor, onLoad, onUnload, ...) \
  template <>                                                   \
  struct WindowRules<Model> {                                   \
    static constexpr void (*load)(Game&) = onLoad;              \
    static constexpr void (*unload)(Game&) = onUnload;          \
  };
KR_GAME_WINDOWS(KR_WINDOW_RULES)
#undef KR_WINDOW_RULES

}  // namespace

// Always checked, in every build: a window got while it is not loaded would otherwise be a
// read of nothing.
void Game::windowNotLoaded(const char* name) {
  std::fprintf(stderr, "krepostan: the %s window is used while it is not loaded\n", name);
  std::abort();
}

template <class W>
W& Game::load() {
  Storage<W>& s = storage<W>();
  if (!s.loaded) {
    if (s.memory == nullptr) s.memory = ::operator new (sizeof(W), std::align_val_t{alignof(W)});
    ::new (s.memory) W();
    s.loaded = true;
    // Its declared timers, and any its load handler adds, are the window's.
    const Clock::OwnedBy owned(clock, s.memory);
    registerTimers(clock, *this, declaredTimers<W>());
    if (WindowRules<W>::load != nullptr) WindowRules<W>::load(*this);
  }
  return window<W>();
}

template <class W>
void Game::unload() {
  Storage<W>& s = storage<W>();
  if (!s.loaded) return;
  if (WindowRules<W>::unload != nullptr) {
    if (ended) return;  // no handler runs any more
    WindowRules<W>::unload(*this);
    if (!s.loaded) return;  // the handler has unloaded it already
  }
  clock.removeOwnedBy(s.memory);
  s.loaded = false;
  std::destroy_at(static_cast<W*>(s.memory));
}

// load<W>() and unload<W>() for every window of the list.
#define KR_WINDOW_LIFETIME(Model, ...) \
  template Model& Game::load<Model>(); \
  template void Game::unload<Model>();
KR_GAME_WINDOWS(KR_WINDOW_LIFETIME)
#undef KR_WINDOW_LIFETIME

void Game::end() {
  if (ended) return;
  ended = true;
  clock.halt();
  platform.endProgram();
}

std::string Game::soundFile(const std::string& file) { return platform.soundFolder() + "/" + file; }

void Game::playCue(const std::string& file) {
  if (ended) return;
  platform.playSound(soundFile(file));
}

void Game::connectionRequest(SocketId listener, int requestId) {
  if (!ended) onConnectionRequest(*this, listener, requestId);
}

void Game::socketError(SocketId socket) {
  if (!ended) onSocketError(*this, socket);
}

void Game::peerGone(SocketId socket) {
  if (!ended) onPeerGone(*this, socket);
}

}  // namespace kr
