// Models of the shell's windows: main menu, about box, backdrop, briefing, in-game menu,
// message box.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/clock/clock.h"
#include "model/control.h"
#include "model/texts.h"

namespace kr {

// The main menu.
struct MainMenu {
  WindowState window;
  std::string caption = text::kMainMenuTitle;
  float width = 492;
  float height = 399;
  Control title = coloured(Control::at(0, 12, 492, 100, text::kGameName), 0xF0C860);  // gold
  Control newGameButton = Control::at(197, 130, 97, 41, text::kNewGame);
  Control loadGameButton = Control::at(197, 178, 97, 41, text::kLoadGame);
  Control networkGameButton = Control::at(197, 226, 97, 41, text::kNetworkGame);
  Control exitButton = Control::at(197, 274, 97, 41, text::kExit);
  Control aboutButton = Control::at(197, 322, 97, 41, text::kAbout);
};

// The about box.
struct AboutBox {
  WindowState window;
  std::string caption = text::kAboutTitle;
  float width = 400;  // client area, pixels
  float height = 212;
  Control title = Control::at(96, 12, 288, 48, text::kGameName);
  Control icon = Control::at(16, 16, 64, 64);
  Control description = Control::at(96, 64, 288, 100, text::kAboutText);
  Control okButton = Control::at(296, 172, 88, 28, text::kOk);
};

// The translucent black backdrop behind the in-game menu and the message box.
struct Backdrop {
  WindowState window;
  int opacity = 255;  // of 255
};

// The briefing and loading screen.
struct Briefing {
  WindowState window;
  std::int16_t totalTiles = 1;
  float tileIndex = 0;
  float stepWidth = 0;
  std::u32string briefText;
  std::int16_t textPos = 0;
  bool paused = false;  // the typewriter's pause after a sentence is running
  // The loading pass goes on when the pause is over (it ran, or was started, meanwhile).
  bool loadingAfterPause = false;
  Control briefLabel = coloured(Control::at(0, 100, 0, 400), 0xC00000);
  Control startButton = Control::at(0, 0, 169, 50, text::kStart, false);
  Control loadButton = Control::at(0, 0, 169, 50, text::kLoadTerrain);
  Control quitButton = Control::at(16, 0, 169, 50, text::kQuitBriefing);
  Control loadingBarFrame = coloured(Control::at(0, 0, 193, 33, {}, false), 0, 0xFFFFFF);
  Control loadingBar = coloured(Control::at(0, 0, 0, 33, {}, false), 0, 0xFF0000);
  Control loadingPercent = coloured(Control::at(0, 0, 193, 33, {}, false), 0xFFFF00);
  Control nickPrompt = coloured(Control::at(0, 0, 193, 25, text::kNickPrompt, false), 0xFF0000);
  Control nickBox = Control::at(0, 0, 193, 25, text::kDefaultNick, false);
};

// The in-game menu.
struct GameMenu {
  WindowState window;
  float width = 143;
  float height = 165;
  Control restartButton = Control::at(0, 0, 145, 33, text::kRestart);
  Control saveButton = Control::at(0, 33, 145, 33, text::kSave);
  Control loadButton = Control::at(0, 66, 145, 33, text::kLoad);
  Control notepadButton = Control::at(0, 99, 145, 33, text::kNotepad);
  Control exitButton = Control::at(0, 132, 145, 33, text::kExit);
  Control musicButton = Control::at(150, 0, 145, 33, text::kMusicOff, false);
  Control trackButton = Control::at(150, 33, 145, 33, text::kSecondTrack, false);
  bool musicOn = true;       // the music switch offers to switch it off
  bool secondTrack = false;  // the track switch offers the second track
};

// The game's own message box.
struct MessageBox {
  WindowState window;
  std::string caption = text::kMessageTitle;
  float left = 0;  // screen position of the window
  float top = 0;
  float width = 280;
  float height = 134;
  bool dragging = false;
  Control captionBar = coloured(Control::at(0, 0, 281, 25), 0, 0xFF0000);
  Control text = coloured(Control::at(8, 32, 265, 81), 0x8080FF);
  Control yesButton = coloured(Control::at(184, 112, 41, 17, text::kYes), 0, 0x80FF80);
  Control noButton = coloured(Control::at(232, 112, 41, 17, text::kNo), 0, 0x80FFFF);
};

}  // namespace kr
