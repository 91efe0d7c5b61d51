// The whole game: module-level values, every window's model and the game clock.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "model/clock/clock.h"
#include "model/platform/platform.h"
#include "model/window_list.h"

namespace kr {

class Game : public SocketEvents {
 public:
  explicit Game(Platform& platform);
  ~Game() override;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Platform& platform;
  Clock clock;

  // Module-level values: they outlive every window.
  std::int16_t levelNumber = 0;
  std::string playerNick;
  std::int32_t screenWidth = 0;  // usable screen, pixels
  std::int32_t screenHeight = 0;
  std::int32_t fullScreenHeight = 0;  // the whole screen's height, pixels
  bool joinedNetworkGame = false;
  bool briefingPending = false;
  bool loadConfirmPending = false;
  bool exitConfirmPending = false;
  std::string musicPath;
  bool developerMode = false;
  std::string missionGoalText;

  // Values that level setup leaves as they were.
  int selectedSlot = 0;
  bool tankSelected = false;
  int factorySlot = 0;
  bool energyLow = false;
  float selectionStartX = 0;
  float selectionStartY = 0;
  bool selectionDragging = false;
  float moveTargetX = 0;
  float moveTargetY = 0;
  bool moveOrdered = false;
  int movingSlot = -1;  // the tank that the running move order drives
  std::int32_t enemyBuildStep = 0;
  float botRoll = 0;

  // The loading pass's position and percentage.
  float loadX = 0;
  float loadY = 0;
  std::int16_t loadPercent = 0;

  // True once the program has been told to end: no handler runs any more.
  bool ended = false;

  // Windows. A window's model exists while the window is loaded. Getting a window
  // (window<Battlefield>(), or its short accessor battlefield()) never loads it: getting one
  // that is not loaded is a mistake in the game's code and stops the program with the
  // window's name. load<W>() brings a window in when it is not loaded.
  template <class W>
  W& window() {
    const Storage<W>& s = storage<W>();
    if (!s.loaded) windowNotLoaded(kWindowName<W>);
    return *static_cast<W*>(s.memory);
  }
  template <class W>
  const W& window() const {
    const Storage<W>& s = storage<W>();
    if (!s.loaded) windowNotLoaded(kWindowName<W>);
    return *static_cast<const W*>(s.memory);
  }
  template <class W>
  bool loaded() const {
    return storage<W>().loaded;
  }
  // Returns the window, loading it first when it is not loaded: its model is built afresh
  // from its stored values, then its load handler runs.
  template <class W>
  W& load();
  // Runs the window's unload handler, ends its timers and discards its model; nothing
  // happens when it is not loaded. Once the game has ended no handler runs any more, so a
  // window with an unload handler stays loaded.
  template <class W>
  void unload();

  // The short accessors: battlefield() is window<Battlefield>(), and so on down the list.
#define KR_GAME_WINDOW_ACCESSOR(Model, accessor, ...) \
  Model& accessor() { return window<Model>(); }       \
  const Model& accessor() const { return window<Model>(); }
  KR_GAME_WINDOWS(KR_GAME_WINDOW_ACCESSOR)
#undef KR_GAME_WINDOW_ACCESSOR

  // Ends the program at once: the clock stops and no handler runs any more.
  void end();

  // Plays a cue file of the program's folder by its name ("Click.smus").
  void playCue(const std::string& file);
  // The full path of a sound file in the sound folder.
  std::string soundFile(const std::string& file);

  // Socket events of the platform.
  void connectionRequest(SocketId listener, int requestId) override;
  void socketError(SocketId socket) override;
  void peerGone(SocketId socket) override;

 private:
  // Where a window's model lives: memory taken at its first load and kept until the game
  // goes, so that a window loaded again stands where it stood before and a reference to it
  // taken earlier reaches the new model. Held by pointer, so that this header needs only
  // the models' names.
  template <class W>
  struct Storage {
    void* memory = nullptr;
    bool loaded = false;
  };
  template <class List>
  struct ModelsOf;
  template <class... W>
  struct ModelsOf<WindowList<W...>> {
    using type = std::tuple<Storage<W>...>;
  };

  template <class W>
  Storage<W>& storage() {
    return std::get<Storage<W>>(windows_);
  }
  template <class W>
  const Storage<W>& storage() const {
    return std::get<Storage<W>>(windows_);
  }
  [[noreturn]] static void windowNotLoaded(const char* name);

  // The model of every window.
  ModelsOf<GameWindows>::type windows_;
};

}  // namespace kr
