// The whole game: module-level values, every window's model and the game clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/clock/clock.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/platform/platform.h"
#include "model/shell/windows.h"

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
  std::int32_t screenWidth = 0;   // usable screen, pixels
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
  float energyDemand = 0;
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

  // Windows. Touching a window that is not loaded loads it and runs its load handler.
  Battlefield& battlefield();
  MainMenu& mainMenu();
  AboutBox& about();
  Backdrop& backdrop();
  Briefing& briefing();
  GameMenu& gameMenu();
  MessageBox& messageBox();
  Notepad& notepad();
  NetworkDialog& networkDialog();

  bool battlefieldLoaded() const { return battlefield_.has_value(); }
  bool mainMenuLoaded() const { return mainMenu_.has_value(); }
  bool aboutBoxLoaded() const { return aboutBox_.has_value(); }
  bool backdropLoaded() const { return backdrop_.has_value(); }
  bool briefingLoaded() const { return briefing_.has_value(); }
  bool gameMenuLoaded() const { return gameMenu_.has_value(); }
  bool messageBoxLoaded() const { return messageBox_.has_value(); }
  bool notepadLoaded() const { return notepad_.has_value(); }
  bool networkDialogLoaded() const { return networkDialog_.has_value(); }

  // Unloading runs the window's unload handler, ends its timers and discards its model.
  void unloadBattlefield();
  void unloadMainMenu();
  void unloadAboutBox();
  void unloadBackdrop();
  void unloadBriefing();
  void unloadGameMenu();
  void unloadMessageBox();
  void unloadNotepad();
  void unloadNetworkDialog();

  // Ends the program at once: the clock stops and no handler runs any more.
  void end();

  // Plays a cue file of the program's folder by its name ("Click.smus").
  void playCue(const std::string& file);
  // The full path of a file in the program's folder.
  std::string programFile(const std::string& file);

  // Socket events of the platform.
  void connectionRequest(SocketId listener, int requestId) override;
  void socketError(SocketId socket) override;

 private:
  // A window's model, loaded (and its load handler run) when it is touched unloaded.
  template <class W>
  W& touch(std::optional<W>& window, void (*load)(Game&)) {
    if (!window) {
      window.emplace();
      if (load) load(*this);
    }
    return *window;
  }

  std::optional<Battlefield> battlefield_;
  std::optional<MainMenu> mainMenu_;
  std::optional<AboutBox> aboutBox_;
  std::optional<Backdrop> backdrop_;
  std::optional<Briefing> briefing_;
  std::optional<GameMenu> gameMenu_;
  std::optional<MessageBox> messageBox_;
  std::optional<Notepad> notepad_;
  std::optional<NetworkDialog> networkDialog_;
};

}  // namespace kr
