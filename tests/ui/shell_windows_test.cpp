// The shell's windows on Qt: real clicks and keys reach the game, and the windows show
// what the game says, in the game's faces.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "model/battlefield/keys.h"
#include "model/comm/notepad.h"
#include "model/comm/windows.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/comm/network_dialog_window.h"
#include "ui/comm/notepad_window.h"
#include "ui/game_ui.h"
#include "ui/shell/about_window.h"
#include "ui/shell/backdrop_window.h"
#include "ui/shell/briefing_window.h"
#include "ui/shell/game_menu_window.h"
#include "ui/shell/main_menu_window.h"
#include "ui/shell/message_box_window.h"
#include "ui/widgets/title_frame.h"

namespace kr::test {
namespace {

class ShellWindows : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};
  GameUi ui{game, /*realTime=*/false};

  void SetUp() override {
    platform.folder = KREPOSTAN_PROGRAM_DIR;
    ui.input([this] { startUp(game); });
  }

  void click(QAbstractButton* b) {
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible()) << b->text().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
  }

  // Runs the clock a frame at a time until the condition holds (at most a minute).
  template <class Done>
  bool advanceUntil(Done done) {
    for (int i = 0; i < 60000 / 16; ++i) {
      if (done()) return true;
      ui.advanceBy(16);
    }
    return done();
  }
};

// The face a widget's text is drawn in, without its foundry ("Z003 [urw]").
QString family(const QWidget* w) {
  return QFontInfo(w->font()).family().section(QStringLiteral(" ["), 0, 0);
}

// Types text into a widget key by key, Cyrillic included.
void typeText(QWidget* w, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
}

TEST_F(ShellWindows, ProgramOpensAtTheMainMenu) {
  MainMenuWindow* menu = ui.mainMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->size(), QSize(492, 399));
  EXPECT_EQ(menu->pos(), QPoint((1280 - 492) / 2, (984 - 399) / 2));
  EXPECT_EQ(menu->button(0)->text(), QStringLiteral("Начать новую одиночную игру"));
  EXPECT_EQ(menu->button(0)->size(), QSize(97, 41));
  EXPECT_EQ(ui.briefing(), nullptr);
  EXPECT_EQ(ui.battlefield(), nullptr);
}

TEST_F(ShellWindows, NewGameClickOpensTheBriefing) {
  click(ui.mainMenu()->button(0));
  EXPECT_EQ(ui.mainMenu(), nullptr);
  BriefingWindow* briefing = ui.briefing();
  ASSERT_NE(briefing, nullptr);
  EXPECT_TRUE(briefing->isVisible());
  EXPECT_EQ(briefing->geometry(), QRect(0, 0, 1280, 1024));
  ASSERT_NE(ui.battlefield(), nullptr);
  EXPECT_FALSE(ui.battlefield()->isVisible());
  ui.advanceBy(80 * 6);
  EXPECT_EQ(briefing->briefing()->text(), QStringLiteral("Милорд"));
}

TEST_F(ShellWindows, RealClicksLeadToARunningBattlefield) {
  click(ui.mainMenu()->button(0));
  BriefingWindow* briefing = ui.briefing();
  ui.advanceBy(1000);
  click(briefing->loadButton());
  EXPECT_FALSE(briefing->loadButton()->isVisible());
  ASSERT_TRUE(advanceUntil([&] { return briefing->startButton()->isVisible(); }));
  EXPECT_EQ(briefing->percentage()->text(), QStringLiteral("100 %"));
  ASSERT_TRUE(advanceUntil([&] { return briefing->nickBox()->isVisible(); }));
  QLineEdit* nick = briefing->nickBox();
  nick->selectAll();
  typeText(nick, QStringLiteral("Добрыня Никитич из Рязани"));
  EXPECT_EQ(nick->text(), QStringLiteral("Добрыня Никитич"));  // fifteen characters
  click(briefing->startButton());

  EXPECT_EQ(ui.briefing(), nullptr);
  ASSERT_NE(ui.battlefield(), nullptr);
  EXPECT_TRUE(ui.battlefield()->isVisible());
  EXPECT_TRUE(ui.battlefield()->isEnabled());
  EXPECT_EQ(game.playerNick, "Добрыня Никитич");
  EXPECT_TRUE(game.clock.enabled(kEconomyTimer));
  EXPECT_EQ(game.battlefield().terrainTiles.size(), 20u);
}

TEST_F(ShellWindows, EscOpensTheMenuAndEscInTheMenuResumesTheGame) {
  ui.input([this] {
    newGameClick(game);
    loadClick(game);
  });
  ASSERT_TRUE(advanceUntil([&] { return game.briefing().startButton.visible; }));
  ui.input([this] { startClick(game); });
  QTest::keyClick(ui.screen()->windowHandle(), Qt::Key_Escape);
  GameMenuWindow* menu = ui.gameMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->geometry(), QRect((1280 - 143) / 2, (984 - 165) / 2, 143, 165));
  EXPECT_FALSE(ui.battlefield()->isEnabled());
  BackdropWindow* backdrop = ui.backdrop();
  ASSERT_NE(backdrop, nullptr);
  EXPECT_TRUE(backdrop->isVisible());
  // The battlefield shows through, darkened to 55/255 of its brightness.
  const QPoint spot(20, 500);
  const QColor lit = ui.battlefield()->grab().toImage().pixelColor(spot);
  const QColor dark = ui.screen()->grab(QRect(spot, QSize(1, 1))).toImage().pixelColor(0, 0);
  EXPECT_GT(lit.green(), 60);
  EXPECT_NEAR(dark.green(), lit.green() * 55 / 255, 2);
  EXPECT_NEAR(dark.red(), lit.red() * 55 / 255, 2);
  // The backdrop takes no input: a click on it reaches nothing below it.
  EXPECT_FALSE(backdrop->isEnabled());

  // The key goes to the focused button first; the menu sees it before.
  QTest::keyClick(menu->button(2), Qt::Key_Escape);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(ui.battlefield()->isEnabled());
  EXPECT_TRUE(game.clock.enabled(kEconomyTimer));
}

// The shown layers of the game's window, bottom to top, the one with the keyboard marked
// with a star.
std::string layersSeen(GameUi& ui) {
  const std::pair<QWidget*, const char*> names[] = {{ui.battlefield(), "battlefield"},
                                                    {ui.briefing(), "briefing"},
                                                    {ui.backdrop(), "backdrop"},
                                                    {ui.gameMenu(), "menu"},
                                                    {ui.notepad(), "notepad"},
                                                    {ui.mainMenu(), "main menu"},
                                                    {ui.about(), "about"},
                                                    {ui.networkDialog(), "network"},
                                                    {ui.messageBox(), "box"}};
  std::string out;
  for (const QObject* child : ui.screen()->children())
    for (const auto& [layer, name] : names)
      if (layer == child && !layer->isHidden()) {
        out += (out.empty() ? "" : " ") + std::string(name) + (hasKeyboard(layer) ? "*" : "");
      }
  return out;
}

// Each step of play leaves the layers stacked as the game's windows stand, and the keyboard
// with the top one that takes input, never with the backdrop.
TEST_F(ShellWindows, LayersStackAsTheWindowsStandAndTheTopOneHasTheKeyboard) {
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* seen;
  };
  const Step steps[] = {
      {"playing", [this] { ui.input([this] { toBattlefield(game); }); }, "battlefield*"},
      {"Esc", [this] { QTest::keyClick(ui.screen()->windowHandle(), Qt::Key_Escape); },
       "battlefield backdrop menu*"},
      {"Выход asks", [this] { click(ui.gameMenu()->button(4)); }, "battlefield backdrop menu box*"},
      {"Нет", [this] { click(ui.messageBox()->noButton()); }, "battlefield backdrop menu*"},
      {"Блокнот", [this] { click(ui.gameMenu()->button(3)); },
       "battlefield backdrop menu notepad*"},
      // Esc in the notepad hands the battlefield back without a word about its window: it
      // takes input again and comes in front of the backdrop and the menu.
      {"Esc in the notepad",
       [this] { QTest::keyClick(ui.screen()->windowHandle(), Qt::Key_Escape); },
       "backdrop menu battlefield*"},
      {"Esc again", [this] { QTest::keyClick(ui.screen()->windowHandle(), Qt::Key_Escape); },
       "battlefield backdrop menu*"},
      {"Esc in the menu", [this] { QTest::keyClick(ui.screen()->windowHandle(), Qt::Key_Escape); },
       "backdrop battlefield*"},
  };
  for (const Step& s : steps) {
    s.act();
    QCoreApplication::processEvents();
    EXPECT_EQ(layersSeen(ui), s.seen) << s.what;
  }
}

TEST_F(ShellWindows, ExitQuestionAnsweredNoReturnsToTheMenu) {
  ui.input([this] { toBattlefield(game); });
  ui.input([this] { pauseWithMenu(game); });
  click(ui.gameMenu()->button(4));  // "Выход"
  MessageBoxWindow* box = ui.messageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(ui.gameMenu()->isEnabled());
  EXPECT_EQ(box->captionStrip()->text(), QStringLiteral("Уверены?"));
  EXPECT_EQ(box->geometry(), QRect(500, 425, 280, 134));
  click(box->noButton());
  EXPECT_EQ(ui.messageBox(), nullptr);
  EXPECT_TRUE(ui.gameMenu()->isVisible());
  EXPECT_TRUE(ui.gameMenu()->isEnabled());
  EXPECT_FALSE(game.ended);
}

TEST_F(ShellWindows, DraggingTheCaptionStripMovesTheBox) {
  ui.input([this] { showMessageBox(game, "Текст", Answers::kOkOnly, "Заголовок"); });
  MessageBoxWindow* box = ui.messageBox();
  ASSERT_NE(box, nullptr);
  QLabel* strip = box->captionStrip();
  QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(5, 5));
  platform.cursor = {520, 440};
  QMouseEvent move(QEvent::MouseMove, QPointF(20, 15), QPointF(520, 440), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(strip, &move);
  QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(20, 15));
  EXPECT_EQ(box->pos(), QPoint(520, 440));
  EXPECT_FALSE(game.messageBox().dragging);
}

// The briefing's picture is stretched over the whole screen: nowhere does the black of the
// window show, and the buttons stand on the picture.
TEST_F(ShellWindows, TheBriefingPictureCoversTheWholeScreen) {
  for (const QSize screen : {QSize(1920, 1080), QSize(1366, 768)}) {
    SCOPED_TRACE(screen.width());
    FakePlatform other;
    other.usable = other.full = {screen.width(), screen.height()};
    Game g(other);
    GameUi gui(g, /*realTime=*/false);
    gui.input([&] { toBriefing(g); });
    BriefingWindow* briefing = gui.briefing();
    ASSERT_NE(briefing, nullptr);
    ASSERT_EQ(briefing->size(), screen);
    QRegion controls;
    for (const QWidget* child : briefing->findChildren<QWidget*>())
      if (child->isVisible() && child != briefing->briefing()) controls += child->geometry();
    const QImage shown = briefing->grab().toImage();
    int black = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) {
        const QRgb c = shown.pixel(x, y);
        black += qRed(c) < 8 && qGreen(c) < 8 && qBlue(c) < 8 && !controls.contains(QPoint(x, y));
      }
    EXPECT_EQ(black, 0);
    EXPECT_TRUE(QRect(QPoint(0, 0), screen).contains(briefing->quitButton()->geometry()));
  }
}

TEST_F(ShellWindows, AboutBoxOpensBesideTheMenuAndOkHidesIt) {
  click(ui.mainMenu()->button(4));
  AboutWindow* about = ui.about();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->frame()->title()->text(), QStringLiteral("About"));
  EXPECT_TRUE(ui.mainMenu()->isEnabled());
  click(about->okButton());
  EXPECT_FALSE(about->isVisible());
  EXPECT_TRUE(ui.mainMenu()->isVisible());
}

// The about box goes where its title bar is dragged, but never so far that the title bar
// leaves the game's window; its close box closes it.
TEST_F(ShellWindows, TheAboutBoxIsDraggedByItsTitleWithinTheGamesWindow) {
  click(ui.mainMenu()->button(4));
  AboutWindow* about = ui.about();
  ASSERT_NE(about, nullptr);
  QWidget* bar = about->frame()->title()->parentWidget();
  const QPoint start = about->pos();
  const auto drag = [bar](QPoint by) {
    const QPoint grip(40, 10);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + by), bar->mapToGlobal(QPointF(grip + by)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + by);
  };
  drag(QPoint(30, 20));
  EXPECT_EQ(about->pos(), start + QPoint(30, 20));
  drag(QPoint(5000, 5000));
  const QSize room = ui.screen()->size();
  EXPECT_EQ(about->pos(), QPoint(room.width() - about->width(), room.height() - 22));
  drag(QPoint(-9000, -9000));
  EXPECT_EQ(about->pos(), QPoint(0, 0));
  QTest::mouseClick(about->frame()->closeBox(), Qt::LeftButton);
  EXPECT_FALSE(game.loaded<AboutBox>());
}

TEST_F(ShellWindows, TextsUseTheGameFaces) {
  EXPECT_EQ(family(ui.mainMenu()->findChild<QLabel*>()), QStringLiteral("Z003"));
  ui.input([this] {
    newGameClick(game);
    showMessageBox(game, "Текст", Answers::kYesNo, "Заголовок");
  });
  EXPECT_EQ(family(ui.briefing()->briefing()), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(family(ui.briefing()->percentage()), QStringLiteral("Z003"));
  EXPECT_EQ(family(ui.messageBox()->captionStrip()), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(family(ui.messageBox()->text()), QStringLiteral("DejaVu Sans"));
}

}  // namespace
}  // namespace kr::test
