// Models of the notepad and the network dialog.
#pragma once

#include <string>
#include <vector>

#include "model/control.h"
#include "model/texts.h"

namespace kr {

// The log of the mission's chat lines.
struct Notepad {
  WindowState window;
  float width = 143;
  float height = 165;
  std::vector<std::string> lines;
  int selectedLine = -1;  // selected line, -1 for none
  Control lineList = Control::at(0, 0, 143, 122);
  Control backButton = Control::at(0, 133, 145, 33, text::kBackToMenu);
};

// The network game dialog: an ordinary window, its client area width × height.
struct NetworkDialog {
  WindowState window;
  std::string caption = text::kNetworkDialogTitle;  // the title the player sees
  float width = 499;
  float height = 447;
  Control title = Control::at(0, 24, 499, 41, text::kNetworkGameTitle);
  Control hostButton = Control::at(161, 96, 177, 49, text::kHost);
  Control addressPrompt = Control::at(24, 192, 451, 25, text::kAddressPrompt);
  Control addressBox = Control::at(129, 224, 241, 25, text::kDefaultAddress);
  Control joinButton = Control::at(161, 272, 177, 49, text::kJoin);
};

}  // namespace kr
