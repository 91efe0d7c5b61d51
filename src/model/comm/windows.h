// Models of the notepad and the network dialog.
#pragma once

#include <string>
#include <vector>

#include "model/control.h"

namespace kr {

// The log of the mission's chat lines.
struct Notepad {
  Notepad();  // its controls' stored captions: windows.cpp
  WindowState window;
  float width = 143;
  float height = 165;
  std::vector<std::string> lines;
  int selectedLine = -1;  // selected line, -1 for none
  Control lineList = Control::at(0, 0, 143, 122);
  Control backButton;
};

// The network game dialog: an ordinary window, its client area width × height.
struct NetworkDialog {
  NetworkDialog();  // its controls' stored captions: windows.cpp
  WindowState window;
  std::string caption;  // the title the player sees
  float width = 499;
  float height = 447;
  Control title;
  Control hostButton;
  Control addressPrompt;
  Control addressBox;
  Control joinButton;
};

}  // namespace kr
