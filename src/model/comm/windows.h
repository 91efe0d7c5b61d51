// Models of the notepad and the network dialog.
#pragma once

#include <string>
#include <vector>

#include "model/control.h"

namespace kr {

// The log of the mission's chat lines.
struct Notepad {
  WindowState window;
  float width = 143;
  float height = 165;
  std::vector<std::string> lines;
  int selectedLine = -1;  // selected line, -1 for none
  Control lineList = Control::at(0, 0, 143, 122);
  Control backButton = Control::at(0, 133, 145, 33, "Вернуться в меню");
};

inline constexpr const char* kAddressPrompt = "IP, к которому хотите подключиться";

// The network game dialog: an ordinary window, its client area width × height.
struct NetworkDialog {
  WindowState window;
  std::string caption = "Form4";  // the title the player sees
  float width = 499;
  float height = 447;
  Control title = Control::at(0, 24, 499, 41, "Сетевая игра");
  Control hostButton = Control::at(161, 96, 177, 49, "Засервить");
  Control addressPrompt = Control::at(24, 192, 451, 25, kAddressPrompt);
  Control addressBox = Control::at(129, 224, 241, 25, "192.168.0.2");
  Control joinButton = Control::at(161, 272, 177, 49, "Присоединиться");
};

}  // namespace kr
