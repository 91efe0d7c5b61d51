// Mouse input on bare ground: the selection rectangle, move orders, the placement ghost,
// and which object takes an event.
#include <gtest/gtest.h>

#include "model/battlefield/movement.h"
#include "model/battlefield/pointer.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class PointerTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);

  MapObject& put(int slot, Building kind, float left, float top, float w, float h) {
    MapObject& o = f.objects[slot];
    o.kind = kind;
    o.left = left;
    o.top = top;
    o.width = w;
    o.height = h;
    o.shown = true;
    return o;
  }
  // An item taken in hand, as the palette leaves it.
  MapObject& inHand(int slot, float w, float h) {
    f.lastOrderedSlot = slot;
    f.placementPending = true;
    f.itemInHand = true;
    MapObject& g = f.objects[slot];
    g.width = w;
    g.height = h;
    return g;
  }
};

TEST_F(PointerTest, LeftDragStretchesTheRectangleAndReleaseHidesIt) {
  game.selectedSlot = 0;
  mapMouseDown(game, 1, 300, 200);
  EXPECT_TRUE(f.selectionRect.visible);
  EXPECT_FLOAT_EQ(f.selectionRect.left, 300);
  EXPECT_FLOAT_EQ(f.selectionRect.width, 0);
  mapMouseMove(game, 1, 100, 250);
  EXPECT_FLOAT_EQ(f.selectionRect.left, 100);
  EXPECT_FLOAT_EQ(f.selectionRect.top, 200);
  EXPECT_FLOAT_EQ(f.selectionRect.width, 200);
  EXPECT_FLOAT_EQ(f.selectionRect.height, 50);
  EXPECT_EQ(f.mapPointer, Pointer::Custom);
  mapMouseUp(game, 1, 100, 250);
  EXPECT_FALSE(f.selectionRect.visible);
  EXPECT_FLOAT_EQ(f.selectionRect.width, 0);
  EXPECT_FLOAT_EQ(f.selectionRect.height, 0);
  EXPECT_EQ(game.selectedSlot, 0);  // the rectangle selects nothing
}

TEST_F(PointerTest, AfterTheFirstLeftPressEveryMoveResizesTheHiddenRectangle) {
  mapMouseDown(game, 1, 300, 200);
  mapMouseUp(game, 1, 300, 200);
  mapMouseMove(game, 0, 350, 260);
  EXPECT_FALSE(f.selectionRect.visible);
  EXPECT_FLOAT_EQ(f.selectionRect.width, 50);
  EXPECT_FLOAT_EQ(f.selectionRect.height, 60);
}

TEST_F(PointerTest, LeftPressesOrderTheSelectedTankAndRetargetIt) {
  put(5, Building::kTank, 1000, 1000, 40, 92);
  game.selectedSlot = 5;
  game.tankSelected = true;
  mapMouseDown(game, 1, 1000, 800);
  EXPECT_FLOAT_EQ(game.moveTargetX, 1000);
  EXPECT_FLOAT_EQ(game.moveTargetY, 800);
  EXPECT_TRUE(game.moveOrdered);
  EXPECT_EQ(game.movingSlot, 5);
  EXPECT_TRUE(running(kMovementTimer));
  advance(100);
  EXPECT_FLOAT_EQ(f.objects[5].top, 990);

  mapMouseDown(game, 1, 3000, 900);
  EXPECT_TRUE(game.tankSelected);
  EXPECT_FLOAT_EQ(game.moveTargetX, 3000);
}

TEST_F(PointerTest, RightPressDeselectsButTheTankDrivesOn) {
  put(5, Building::kTank, 1000, 1000, 40, 92);
  game.selectedSlot = 5;
  game.tankSelected = true;
  mapMouseDown(game, 1, 1020, 500);
  mapMouseDown(game, 2, 1500, 1500);
  EXPECT_FALSE(game.tankSelected);
  EXPECT_EQ(f.mapPointer, Pointer::Custom);
  advance(300);
  EXPECT_FLOAT_EQ(f.objects[5].top, 970);
  // Left presses now only draw the rectangle.
  mapMouseDown(game, 1, 3000, 3000);
  EXPECT_FLOAT_EQ(game.moveTargetX, 1020);
}

TEST_F(PointerTest, OnlyASelectedTankTakesOrders) {
  put(5, Building::kAccumulator, 1000, 1000, 49, 49);
  game.selectedSlot = 5;
  game.tankSelected = true;  // left over from an earlier tank
  mapMouseDown(game, 1, 1000, 800);
  EXPECT_FALSE(game.moveOrdered);
  EXPECT_FALSE(game.tankSelected);
  EXPECT_FALSE(running(kMovementTimer));
}

TEST_F(PointerTest, ClickingABuildingWhileATankDrivesLeavesTheBuildingStanding) {
  put(5, Building::kTank, 1000, 1000, 40, 92);
  put(6, Building::kAccumulator, 2000, 2000, 49, 49);
  game.selectedSlot = 5;
  game.tankSelected = true;
  mapMouseDown(game, 1, 1020, 500);
  game.selectedSlot = 6;  // as an object click on the accumulator leaves it
  game.tankSelected = false;
  advance(200);
  EXPECT_FLOAT_EQ(f.objects[6].left, 2000);
  EXPECT_FLOAT_EQ(f.objects[6].top, 2000);
  EXPECT_FLOAT_EQ(f.objects[5].top, 980);
}

TEST_F(PointerTest, TheGhostFollowsFifteenPixelsRightOfThePointer) {
  MapObject& g = inHand(7, 100, 100);
  mapMouseMove(game, 0, 2000, 2000);
  EXPECT_TRUE(g.shown);
  EXPECT_FLOAT_EQ(g.left, 2015);
  EXPECT_FLOAT_EQ(g.top, 1950);
  EXPECT_EQ(f.mapPointer, Pointer::SizeAll);
  EXPECT_EQ(slotInHand(f), 7);
}

TEST_F(PointerTest, NoGhostFromSlot299On) {
  MapObject& g = inHand(299, 100, 100);
  mapMouseMove(game, 0, 2000, 2000);
  EXPECT_FALSE(g.shown);
  EXPECT_FLOAT_EQ(g.left, 0);
  EXPECT_EQ(f.mapPointer, Pointer::Custom);
}

TEST_F(PointerTest, TheBorderShowsWhetherTheGhostMayStandWhereItWas) {
  put(5, Building::kAccumulator, 1000, 1000, 100, 100);
  MapObject& g = inHand(7, 100, 100);
  struct Case {
    const char* what;
    float left, top;
    int border;
  };
  const Case cases[] = {
      {"10 right of the object", 1110, 1050, 1},
      {"5 right of the object", 1105, 1050, 0},
      {"nothing near", 3000, 3000, 1},
      {"right edge within 170 of the map's", 5731, 3000, 0},
      {"right edge 170 from the map's", 5730, 3000, 1},
      {"bottom edge within 170 of the map's", 3000, 5731, 0},
      {"top above the map", 3000, -1, 0},
      {"left beyond the map", -50, 3000, 1},
  };
  for (const Case& c : cases) {
    // The first move puts the ghost there, the next one shows the border for that place.
    mapMouseMove(game, 0, c.left - 15, c.top + 50);
    ASSERT_FLOAT_EQ(g.left, c.left) << c.what;
    ASSERT_FLOAT_EQ(g.top, c.top) << c.what;
    mapMouseMove(game, 0, 2500, 2500);
    EXPECT_EQ(g.border, c.border) << c.what;
  }
}

TEST_F(PointerTest, AnEventGoesToTheTopmostObjectDrawnThere) {
  put(3, Building::kTankFactory, 1000, 1000, 147, 147);
  put(4, Building::kAccumulator, 1100, 1100, 49, 49);
  put(2, Building::kTank, 1050, 1050, 40, 92);
  f.objects[9].left = 1000;  // hidden slots take nothing
  f.objects[9].top = 1000;
  struct Case {
    const char* what;
    float x, y;
    int slot;
  };
  const Case cases[] = {
      {"bare ground", 900, 900, -1},
      {"the factory alone", 1010, 1010, 3},
      {"a later slot over an earlier one", 1120, 1120, 4},
      {"a tank over later buildings", 1080, 1120, 2},
      {"the right edge belongs to the ground", 1147, 1010, -1},
      {"the headquarters", 50, 50, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(objectAt(f, c.x, c.y), c.slot) << c.what;

  // The item in hand lets the pointer through to what lies under it.
  MapObject& g = inHand(8, 100, 100);
  g.shown = true;
  g.left = 1000;
  g.top = 1000;
  EXPECT_EQ(objectAt(f, 1010, 1010), 3);
  EXPECT_EQ(mapLayer(f, 8), MapLayer::InHand);
  EXPECT_EQ(mapLayer(f, 2), MapLayer::Tanks);
  EXPECT_EQ(mapLayer(f, 4), MapLayer::Buildings);
}

}  // namespace
}  // namespace kr::test
