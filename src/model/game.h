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
  std::int16_t LevelNumber = 0;
  std::string PlayerNick;
  std::int32_t ScreenWidth = 0;   // usable screen, pixels
  std::int32_t ScreenHeight = 0;
  std::int32_t FullScreenHeight = 0;  // the whole screen's height, pixels
  bool JoinedNetworkGame = false;
  bool BriefingPending = false;
  bool LoadConfirmPending = false;
  bool ExitConfirmPending = false;
  std::string MusicPath;
  bool DeveloperMode = false;
  std::string MissionGoalText;

  // Values that level setup leaves as they were.
  int SelectedIndex = 0;
  bool TankSelected = false;
  int FactorySlot = 0;
  bool EnergyLow = false;
  float EnergyDemand = 0;
  float SelectionStartX = 0;
  float SelectionStartY = 0;
  bool SelectionDragging = false;
  float MoveTargetX = 0;
  float MoveTargetY = 0;
  bool MoveOrdered = false;
  int MovingSlot = -1;  // the tank that the running move order drives
  std::int32_t EnemyBuildStep = 0;
  float BotRoll = 0;

  // The loading pass's position and percentage.
  float LoadX = 0;
  float LoadY = 0;
  std::int16_t LoadPercent = 0;

  // True once the program has been told to end: no handler runs any more.
  bool ended = false;

  // Windows. Touching a window that is not loaded loads it and runs its load handler.
  Form1& form1();
  WElcome& welcome();
  FrmAbout& about();
  Fon& fon();
  Form2& form2();
  Form3& form3();
  MsgB& msgB();
  NotePadFrm& notePad();
  Setka& setka();

  bool form1Loaded() const { return form1_.has_value(); }
  bool welcomeLoaded() const { return welcome_.has_value(); }
  bool aboutLoaded() const { return about_.has_value(); }
  bool fonLoaded() const { return fon_.has_value(); }
  bool form2Loaded() const { return form2_.has_value(); }
  bool form3Loaded() const { return form3_.has_value(); }
  bool msgBLoaded() const { return msgB_.has_value(); }
  bool notePadLoaded() const { return notePad_.has_value(); }
  bool setkaLoaded() const { return setka_.has_value(); }

  // Unloading runs the window's unload handler, ends its timers and discards its model.
  void unloadForm1();
  void unloadWelcome();
  void unloadAbout();
  void unloadFon();
  void unloadForm2();
  void unloadForm3();
  void unloadMsgB();
  void unloadNotePad();
  void unloadSetka();

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

  std::optional<Form1> form1_;
  std::optional<WElcome> welcome_;
  std::optional<FrmAbout> about_;
  std::optional<Fon> fon_;
  std::optional<Form2> form2_;
  std::optional<Form3> form3_;
  std::optional<MsgB> msgB_;
  std::optional<NotePadFrm> notePad_;
  std::optional<Setka> setka_;
};

}  // namespace kr
