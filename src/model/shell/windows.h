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
struct WElcome {
  WindowState window;
  std::string caption = "Игра";
  float width = 492;
  float height = 399;
  Control Label1 = coloured(Control::at(0, 12, 492, 100, "Крепостан"), 0xF0C860);  // gold
  Control Command1 = Control::at(197, 130, 97, 41, "Начать новую одиночную игру");
  Control Command5 = Control::at(197, 178, 97, 41, "Загрузить игру");
  Control Command4 = Control::at(197, 226, 97, 41, "Начать сетевую игру");
  Control Command2 = Control::at(197, 274, 97, 41, "Выход");
  Control Command3 = Control::at(197, 322, 97, 41, "About");
};

// The about box.
struct FrmAbout {
  WindowState window;
  std::string caption = "About";
  float width = 400;  // client area, pixels
  float height = 212;
  Control lblTitle = Control::at(96, 12, 288, 48, "Крепостан");
  Control picIcon = Control::at(16, 16, 64, 64);
  Control lblDescription = Control::at(
      96, 64, 288, 100,
      "Небольшая стратегия о том, как вырастить из одного штаба настоящую крепость. "
      "Стройте аккумуляторы, заводы и локатор, держите в равновесии энергию, металл и "
      "дерево, а когда Королевство позовёт — встречайте врага на границе. "
      "Удачи, Командир!");
  Control CmdOK = Control::at(296, 172, 88, 28, "OK");
};

// The translucent black backdrop behind the in-game menu and the message box.
struct Fon {
  WindowState window;
  int opacity = 255;  // of 255
};

struct Form2Timers {
  TimerId TextTmr = 0;     // typewriter, 80 ms
  TimerId Timer1 = 0;      // progress display, 50 ms
  TimerId LoadingTmr = 0;  // one terrain tile per tick, one frame
  TimerId PauseTmr = 0;    // ends the typewriter's pause after a sentence, 500 ms
  auto all() const { return std::array{TextTmr, Timer1, LoadingTmr, PauseTmr}; }
};

// The briefing and loading screen.
struct Form2 {
  WindowState window;
  std::int16_t TotalTiles = 1;
  float TileIndex = 0;
  float StepWidth = 0;
  std::u32string BriefText;
  std::int16_t TextPos = 0;
  bool paused = false;  // the typewriter's pause after a sentence is running
  // The loading pass goes on when the pause is over (it ran, or was started, meanwhile).
  bool loadingAfterPause = false;
  Control Label1 = coloured(Control::at(0, 100, 0, 400), 0xC00000);
  Control Command1 = Control::at(0, 0, 169, 50, "Начать", false);
  Control Command2 = Control::at(0, 0, 169, 50, "Загрузить");
  Control Command3 = Control::at(16, 0, 169, 50, "Выйти");
  Control ObBar = coloured(Control::at(0, 0, 193, 33, {}, false), 0, 0xFFFFFF);
  Control PrBar = coloured(Control::at(0, 0, 0, 33, {}, false), 0, 0xFF0000);
  Control Label2 = coloured(Control::at(0, 0, 193, 33, {}, false), 0xFFFF00);
  Control LblNick = coloured(Control::at(0, 0, 193, 25, "Ваше имя?", false), 0xFF0000);
  Control Nick = Control::at(0, 0, 193, 25, "Player1", false);
  Form2Timers timers;
};

// The in-game menu.
struct Form3 {
  WindowState window;
  float width = 143;
  float height = 165;
  Control Command2 = Control::at(0, 0, 145, 33, "Уровень заново");
  Control Save = Control::at(0, 33, 145, 33, "Сохранить");
  Control Command5 = Control::at(0, 66, 145, 33, "Загрузить");
  Control NotePad = Control::at(0, 99, 145, 33, "Блокнот");
  Control Command1 = Control::at(0, 132, 145, 33, "Выход");
  Control Command3 = Control::at(150, 0, 145, 33, "Выключить музыку", false);
  Control Command4 = Control::at(150, 33, 145, 33, "Rammstein!", false);
};

// The game's own message box.
struct MsgB {
  WindowState window;
  std::string caption = "Сообщение";
  float left = 0;  // screen position of the window
  float top = 0;
  float width = 280;
  float height = 134;
  bool dragging = false;
  Control Cap = coloured(Control::at(0, 0, 281, 25), 0, 0xFF0000);
  Control Text = coloured(Control::at(8, 32, 265, 81), 0x8080FF);
  Control CmdYes = coloured(Control::at(184, 112, 41, 17, "Да"), 0, 0x80FF80);
  Control CmdNo = coloured(Control::at(232, 112, 41, 17, "Нет"), 0, 0x80FFFF);
  Control CmdOK = Control::at(96, 112, 41, 17, "OK", false);
};

}  // namespace kr
