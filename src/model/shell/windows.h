// Models of the shell's windows: main menu, about box, backdrop, briefing, in-game menu,
// message box.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/clock/clock.h"
#include "model/control.h"

namespace kr {

// The main menu.
struct MainMenu {
  MainMenu();  // its controls' stored captions: windows.cpp
  WindowState window;
  std::string caption;
  float width = 492;
  float height = 399;
  Control title;  // gold
  Control newGameButton;
  Control loadGameButton;
  Control networkGameButton;
  Control exitButton;
  Control aboutButton;
};

// The about box.
struct AboutBox {
  AboutBox();  // its controls' stored captions: windows.cpp
  WindowState window;
  std::string caption;
  float width = 400;  // client area, pixels
  float height = 212;
  Control title;
  Control icon = Control::at(16, 16, 64, 64);
  Control description;
  Control okButton;
};

// The translucent black backdrop behind the in-game menu and the message box.
struct Backdrop {
  WindowState window;
  int opacity = 255;  // of 255
};

// The briefing and loading screen.
struct Briefing {
  Briefing();  // its controls' stored captions: windows.cpp
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
  Control startButton;
  Control loadButton;
  Control quitButton;
  Control loadingBarFrame = coloured(Control::at(0, 0, 193, 33, {}, false), 0, 0xFFFFFF);
  Control loadingBar = coloured(Control::at(0, 0, 0, 33, {}, false), 0, 0xFF0000);
  Control loadingPercent = coloured(Control::at(0, 0, 193, 33, {}, false), 0xFFFF00);
  Control nickPrompt;
  Control nickBox;
};

// The in-game menu.
struct GameMenu {
  GameMenu();  // its controls' stored captions: windows.cpp
  WindowState window;
  float width = 143;
  float height = 165;
  Control restartButton;
  Control saveButton;
  Control loadButton;
  Control notepadButton;
  Control exitButton;
  Control musicButton;
  Control trackButton;
  bool musicOn = true;       // the music switch offers to switch it off
  bool secondTrack = false;  // the track switch offers the second track
};

// The game's own message box.
struct MessageBox {
  MessageBox();  // its controls' stored captions: windows.cpp
  WindowState window;
  std::string caption;
  float left = 0;  // screen position of the window
  float top = 0;
  float width = 280;
  float height = 134;
  bool dragging = false;
  Control captionBar = coloured(Control::at(0, 0, 281, 25), 0, 0xFF0000);
  Control text = coloured(Control::at(8, 32, 265, 81), 0x8080FF);
  Control yesButton;
  Control noButton;
};

}  // namespace kr
