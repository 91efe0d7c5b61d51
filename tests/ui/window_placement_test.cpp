// The game's window maximised or ordinary (F11), and that choice kept in the player's
// settings folder for the next start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "support/temp_folder.h"
#include "ui/game_screen.h"
#include "ui/window_placement.h"

namespace kr::test {
namespace {

TEST(WindowPlacementFile, KeepsTheChoiceAndReadsNothingElse) {
  TempFolder temp;
  const QString folder = QString::fromStdString(temp.path()) + QStringLiteral("/krepostan");
  // Nothing kept yet, or nowhere to keep it: the maximised window.
  EXPECT_EQ(readWindowPlacement(folder), WindowPlacement{});
  EXPECT_EQ(readWindowPlacement({}), WindowPlacement{});
  EXPECT_FALSE(writeWindowPlacement({}, {true, {1300, 700}}));

  ASSERT_TRUE(writeWindowPlacement(folder, {true, {1300, 700}}));
  EXPECT_EQ(readWindowPlacement(folder), (WindowPlacement{true, {1300, 700}}));
  ASSERT_TRUE(writeWindowPlacement(folder, {false, {1300, 700}}));
  EXPECT_EQ(readWindowPlacement(folder), (WindowPlacement{false, {1300, 700}}));

  struct Case {
    const char* text;
    WindowPlacement read;
  };
  for (const Case c : {Case{"windowed=1\nsize=800x500\n", {true, {1024, 600}}},  // at least
                       Case{"windowed=1\nsize=wide\n", {true, {}}},
                       Case{"size=-5x700\nwindowed=yes\n", {}}, Case{"\x01\x02garbage", {}}}) {
    SCOPED_TRACE(c.text);
    QFile file(folder + QStringLiteral("/window"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.text);
    file.close();
    EXPECT_EQ(readWindowPlacement(folder), c.read);
  }
}

// F11 gives the ordinary window with the desktop's frame, never smaller than the game's
// smallest layout, and back the frameless maximised one; the ordinary window's size is
// what the placement keeps.
TEST(GameScreenPlacement, F11SwitchesBetweenTheMaximisedAndTheOrdinaryWindow) {
  GameScreen screen;
  screen.showOnScreen();
  QApplication::processEvents();
  EXPECT_TRUE(screen.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(screen.isMaximized());
  EXPECT_FALSE(screen.placement().windowed);

  screen.switchPlacement();
  QApplication::processEvents();
  EXPECT_TRUE(screen.isVisible());
  EXPECT_FALSE(screen.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(screen.isMaximized());
  EXPECT_EQ(screen.minimumSize(), kSmallestWindow);
  EXPECT_TRUE(screen.placement().windowed);
  screen.resize(1100, 650);
  QApplication::processEvents();

  screen.switchPlacement();
  QApplication::processEvents();
  EXPECT_TRUE(screen.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(screen.isMaximized());
  EXPECT_EQ(screen.placement(), (WindowPlacement{false, {1100, 650}}));

  // Started as kept, the ordinary window comes back at its size.
  GameScreen again;
  again.showOnScreen({true, {1100, 650}});
  QApplication::processEvents();
  EXPECT_FALSE(again.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(again.size(), QSize(1100, 650));
}

}  // namespace
}  // namespace kr::test
