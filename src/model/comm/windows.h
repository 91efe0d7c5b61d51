// Models of the notepad and the network dialog.
#pragma once

#include <string>
#include <vector>

#include "model/control.h"

namespace kr {

// The log of the mission's chat lines.
struct NotePadFrm {
  WindowState window;
  float width = 143;
  float height = 165;
  std::vector<std::string> List1;
  int listIndex = -1;  // selected line, -1 for none
  Control Command1 = Control::at(0, 133, 145, 33, "Вернуться в меню");
};

// The network game dialog.
struct Setka {
  WindowState window;
  std::string caption = "Form4";
  Control Label1 = Control::at(0, 0, 0, 0, "Сетевая игра");
  Control Command1 = Control::at(0, 0, 0, 0, "Засервить");
  Control Label2 = Control::at(0, 0, 0, 0, "IP, к которому хотите подключиться");
  Control Text1 = Control::at(0, 0, 0, 0, "192.168.0.2");
  Control Command2 = Control::at(0, 0, 0, 0, "Присоединиться");
};

}  // namespace kr
