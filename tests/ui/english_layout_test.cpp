// The game in English, drawn offscreen on the two common screens: every text stands inside
// its control, as the Russian texts do.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <string>
#include <vector>

#include "model/comm/windows.h"
#include "model/core/inspection.h"
#include "model/core/mission_end.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "model/texts.h"
#include "model/translation.h"
#include "support/built_base.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "ui/game_ui.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/wrap_button.h"

namespace kr::test {
namespace {

// The game speaks English for the length of a test.
class InEnglish : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(text::speak("en", KREPOSTAN_PROGRAM_DIR "/locale"))
        << "the English catalogue is built into the program's folder";
  }
  void TearDown() override { text::speak(text::kOwnLanguage, {}); }
};

// What stands outside its control among the shown texts of the window, one line each.
std::vector<std::string> textsOutside(const QWidget* window) {
  std::vector<std::string> out;
  const auto outside = [&out](const QWidget* w, const QString& text, const char* why) {
    out.push_back(text.toStdString() + " (" + why + ", " + std::to_string(w->width()) + " x " +
                  std::to_string(w->height()) + ")");
  };
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    if (const auto* picture = dynamic_cast<const PictureButton*>(w)) {
      const PictureButton::Layout l = picture->layout();
      const QFontMetrics m(l.font);
      for (const auto& line : l.lines)
        if (m.horizontalAdvance(line.text) > line.rect.width() ||
            !picture->rect().contains(line.rect))
          outside(w, line.text, "palette line");
    } else if (const auto* wrap = dynamic_cast<const WrapButton*>(w)) {
      QFont f = wrap->font();
      f.setPointSizeF(WrapButton::kSmallestPoints);
      const QRect inside = wrap->rect().adjusted(3, 2, -3, -2);
      const QRect needed =
          QFontMetrics(f).boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap, wrap->text());
      if (needed.height() > inside.height() || needed.width() > inside.width())
        outside(w, wrap->text(), "wrapping button");
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      if (QFontMetrics(button->font()).horizontalAdvance(button->text()) > button->width() - 4)
        outside(w, button->text(), "button");
    } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
      if (label->text().isEmpty()) continue;
      // A wrapped text must not run out at the bottom; a line must not run out at the side
      // (its face may be taller than the label, as the game's captions are by design).
      const QFontMetrics m(label->font());
      if (label->wordWrap()) {
        const QRect needed =
            m.boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text());
        if (needed.height() > label->height()) outside(w, label->text(), "wrapped label");
      } else if (m.horizontalAdvance(label->text()) > label->width()) {
        outside(w, label->text(), "label");
      }
    }
  }
  return out;
}

std::string listed(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += "\n  " + l;
  return out;
}

struct Screen {
  int width;
  int height;
};
constexpr Screen kScreens[] = {{1366, 768}, {1920, 1080}};

// A game whose platform names a screen of that size.
struct GameOnScreen {
  explicit GameOnScreen(const Screen& s) {
    platform.folder = KREPOSTAN_PROGRAM_DIR;
    platform.usable = platform.full = {s.width, s.height};
  }
  FakePlatform platform;
  Game game{platform};
};

// The shell's windows: the main menu, the about box, the briefings of both missions typed
// whole, the in-game menu with each question and announcement of the message box, the
// notepad and the network dialog.
TEST_F(InEnglish, EveryShellTextStandsInsideItsControl) {
  for (const Screen& s : kScreens) {
    SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
    GameOnScreen on(s);
    Game& game = on.game;
    GameUi ui(game, /*realTime=*/false);
    const auto check = [&ui](const char* what) {
      EXPECT_EQ(listed(textsOutside(ui.screen())), "") << what;
    };
    ui.input([&game] { startUp(game); });
    ASSERT_EQ(ui.game.mainMenu().newGameButton.caption, "Start a new solo game");
    check("main menu");
    ui.input([&game] { aboutClick(game); });
    check("about box");
    ui.input([&game] {
      game.unload<AboutBox>();
      networkGameClick(game);
    });
    check("network dialog");
    for (const int level : {1, 2}) {
      ui.input([&game, level] {
        game.unload<NetworkDialog>();
        game.unload<Briefing>();
        game.levelNumber = static_cast<std::int16_t>(level);
        game.load<Briefing>().window.show();
      });
      ui.advanceBy(60 * 1000);  // typed whole
      check(level == 1 ? "briefing of mission 1" : "briefing of mission 2");
    }
    ui.input([&game] {
      game.unload<Briefing>();
      toBattlefield(game);
      pauseWithMenu(game);
    });
    check("in-game menu");
    ui.input([&game] { notepadClick(game); });
    check("notepad");
    ui.input([&game] {
      game.unload<Notepad>();
      menuExitClick(game);
    });
    check("exit question");
    ui.input([&game] {
      messageNoClick(game);
      menuLoadClick(game);
    });
    check("load question");
    ui.input([&game] {
      messageNoClick(game);
      win(game);
    });
    check("mission passed");
  }
}

// The battlefield of mission 2 with a base of every kind: the palette's buttons on both
// pages, the resources and the inspection of each kind.
TEST_F(InEnglish, EveryBattlefieldTextStandsInsideItsControl) {
  for (const Screen& s : kScreens) {
    SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
    GameOnScreen on(s);
    Game& game = on.game;
    builtUpBase(game, 2, 10);
    Battlefield& f = game.battlefield();
    for (Control& button : f.paletteButtons) button.visible = true;
    GameUi ui(game, /*realTime=*/false);
    ui.advanceBy(600);
    for (int slot = 1; slot <= 5; ++slot) {
      ui.input([&game, slot] { objectClick(game, slot); });
      EXPECT_EQ(listed(textsOutside(ui.screen())), "") << "inspecting slot " << slot;
    }
  }
}

}  // namespace
}  // namespace kr::test
