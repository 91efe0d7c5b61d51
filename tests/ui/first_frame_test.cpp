// The game's window comes up showing the main menu: the first frame the window is painted
// with already holds the whole menu, never a bare black window that the menu follows later.
#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

#include "model/game.h"
#include "model/shell/main_menu.h"
#include "support/fake_platform.h"
#include "ui/game_ui.h"
#include "ui/shell/main_menu_window.h"

namespace kr::test {
namespace {

// The paint events of the widgets it watches, in order, and whether the main menu stood
// shown in the game's window when the window was first painted.
class PaintOrder : public QObject {
 public:
  explicit PaintOrder(GameUi& ui) : ui_(ui) {}
  std::vector<const QObject*> painted;
  bool menuShownAtFirstPaint = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    if (painted.empty()) menuShownAtFirstPaint = ui_.mainMenu() && ui_.mainMenu()->isVisible();
    painted.push_back(watched);
    return false;
  }

 private:
  GameUi& ui_;
};

TEST(FirstFrame, TheGameWindowsFirstPaintingPassDrawsTheMainMenu) {
  FakePlatform platform;
  Game game(platform);
  // As the program starts: the game's window shown, then the game started in it.
  GameUi ui(game, /*realTime=*/true);
  PaintOrder order(ui);
  ui.screen()->installEventFilter(&order);
  ui.input([&] { startUp(game); });
  ASSERT_NE(ui.mainMenu(), nullptr);
  ui.mainMenu()->installEventFilter(&order);
  for (int i = 0; i < 50 && order.painted.size() < 2; ++i) QApplication::processEvents();

  ASSERT_GE(order.painted.size(), 2u) << "the window and its menu were not both painted";
  // The window's first pass paints the window, then the menu over it, before anything
  // reaches the screen.
  EXPECT_TRUE(order.menuShownAtFirstPaint);
  EXPECT_EQ(order.painted[0], ui.screen());
  EXPECT_EQ(order.painted[1], ui.mainMenu());
  ui.screen()->removeEventFilter(&order);
  ui.mainMenu()->removeEventFilter(&order);
}

}  // namespace
}  // namespace kr::test
