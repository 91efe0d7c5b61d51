// Edge scrolling and the minimap jump.
#include <gtest/gtest.h>

#include "model/battlefield/navigation.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

// The fake screen is 1280 × 984 usable, 1024 full: the chat line's band is 999 < y < 1024,
// the right zone 1270 < x < 1280, the right limit 6000 − 1280 + 136.8 + 169 − 170 = 4855.8
// and the bottom limit 6000 − 984 − 150 = 4866.
class NavigationTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);

  void viewAt(float x, float y) { minimapMouseDown(game, 2, x, y); }
  void tick(int x, int y) {
    platform.cursor = {x, y};
    navigationTick(game);
  }
  // View, map surface and frame all stand for the same point.
  void expectView(float x, float y, const char* what) {
    EXPECT_FLOAT_EQ(f.viewX, x) << what;
    EXPECT_FLOAT_EQ(f.viewY, y) << what;
    EXPECT_FLOAT_EQ(f.mapSurface.left, -x) << what;
    EXPECT_FLOAT_EQ(f.mapSurface.top, -y) << what;
    EXPECT_FLOAT_EQ(f.viewFrame.left, x) << what;
    EXPECT_FLOAT_EQ(f.viewFrame.top, y) << what;
  }
};

TEST_F(NavigationTest, LockedUntilTheFirstLocatorIsPlaced) {
  viewAt(500, 500);
  for (const Point p : {Point{0, 500}, Point{1275, 500}, Point{600, 0}, Point{600, 1010}}) {
    tick(p.x, p.y);
    expectView(500, 500, "no locator yet");
  }
  f.locatorBuilt = true;
  tick(0, 500);
  expectView(450, 500, "after the locator");
}

TEST_F(NavigationTest, OneTickByPointerPosition) {
  struct Case {
    const char* what;
    float viewX, viewY;
    Point cursor;
    float afterX, afterY;
  };
  const Case cases[] = {
      {"left edge at viewX 0", 0, 500, {0, 500}, 0, 500},
      {"top edge at viewY 0", 500, 0, {600, 0}, 500, 0},
      {"left zone, column 9", 500, 500, {9, 500}, 450, 500},
      {"column 10 is outside", 500, 500, {10, 500}, 500, 500},
      {"top zone, row 9", 500, 500, {600, 9}, 500, 450},
      {"top-right corner: up and right at once", 500, 500, {1279, 0}, 550, 450},
      {"top-left corner: up and left at once", 500, 500, {0, 0}, 450, 450},
      {"right zone starts at 1271", 500, 500, {1271, 500}, 550, 500},
      {"1270 is outside", 500, 500, {1270, 500}, 500, 500},
      {"the screen's width is outside", 500, 500, {1280, 500}, 500, 500},
      {"over the minimap column", 500, 500, {1275, 100}, 550, 500},
      {"bottom band", 500, 500, {600, 1010}, 500, 550},
      {"the band's top edge is outside", 500, 500, {600, 999}, 500, 500},
      {"the band's bottom edge is outside", 500, 500, {600, 1024}, 500, 500},
      {"middle of the screen", 500, 500, {600, 500}, 500, 500},
      {"right limit not yet passed", 4850, 500, {1275, 500}, 4900, 500},
      {"right limit passed", 4900, 500, {1275, 500}, 4900, 500},
      {"bottom limit not yet passed", 500, 4850, {600, 1010}, 500, 4900},
      {"bottom limit passed", 500, 4900, {600, 1010}, 500, 4900},
  };
  f.locatorBuilt = true;
  for (const Case& c : cases) {
    viewAt(c.viewX, c.viewY);
    tick(c.cursor.x, c.cursor.y);
    expectView(c.afterX, c.afterY, c.what);
  }
}

TEST_F(NavigationTest, HoldingTheRightEdgeStopsAtTheFirstMultipleOf50PastTheLimit) {
  f.locatorBuilt = true;
  platform.cursor = {1275, 500};
  advance(10000);  // far more ticks than the way needs
  expectView(4900, 0, "held at the right edge");
  EXPECT_LT(f.viewFrame.right(), kMapWidth);
}

TEST_F(NavigationTest, NothingMovesWhileTheWindowIsDisabled) {
  f.locatorBuilt = true;
  viewAt(500, 500);
  f.window.enabled = false;
  tick(0, 0);
  expectView(500, 500, "disabled");
}

// The view stops short of the map's far edges by more than the frame needs: held on any
// edge, the frame goes with the view and stays on the minimap.
TEST_F(NavigationTest, FrameStaysOnTheMinimapWhileTheViewScrolls) {
  struct Case {
    const char* edge;
    Point cursor;
    float afterX, afterY;
  };
  const Case cases[] = {
      {"top", {600, 0}, 2000, 0},
      {"bottom", {600, 1010}, 2000, 4900},
      {"left", {0, 500}, 0, 2000},
      {"right", {1275, 500}, 4900, 2000},
  };
  f.locatorBuilt = true;
  for (const Case& c : cases) {
    viewAt(2000, 2000);
    for (int i = 0; i < 200; ++i) tick(c.cursor.x, c.cursor.y);
    expectView(c.afterX, c.afterY, c.edge);
    EXPECT_GE(f.viewFrame.left, 0) << c.edge;
    EXPECT_GE(f.viewFrame.top, 0) << c.edge;
    EXPECT_LE(f.viewFrame.right(), kMapWidth) << c.edge;
    EXPECT_LE(f.viewFrame.bottom(), kMapHeight) << c.edge;
  }
}

TEST_F(NavigationTest, RightPressOnTheMinimapJumpsAndScrollingGoesOnFromThere) {
  f.locatorBuilt = true;
  minimapMouseDown(game, 1, 2000, 3000);
  expectView(0, 0, "a left press changes nothing");
  minimapMouseDown(game, 2, 2000, 3000);
  expectView(2000, 3000, "right press");
  tick(0, 500);
  expectView(1950, 3000, "scrolled left after the jump");
}

TEST_F(NavigationTest, TheCurtainTakesThePressesWhereItCovers) {
  f.curtain = Control::at(1000, 1000, 4000, 4000);  // half open
  minimapPress(game, 2, 2000, 2000);
  expectView(0, 0, "on the curtain");
  minimapPress(game, 2, 500, 600);
  expectView(500, 600, "beside it");
  f.curtain.visible = false;
  minimapPress(game, 2, 2000, 2000);
  expectView(2000, 2000, "curtain open");
}

}  // namespace
}  // namespace kr::test
