// Tank movement: steps, headings and arrival.
#include <gtest/gtest.h>

#include "model/battlefield/movement.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class MovementTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  static constexpr int kTankSlot = 5;

  MapObject& order(float left, float top, float w, float h, float tx, float ty) {
    MapObject& t = f.objects[kTankSlot];
    t = MapObject{Building::kTank, left, top, w, h, "tankvverh", true, {}, 0};
    game.movingSlot = kTankSlot;
    game.moveTargetX = tx;
    game.moveTargetY = ty;
    game.moveOrdered = true;
    return t;
  }
};

TEST_F(MovementTest, FirstTickOfTheDescribedOrders) {
  struct Case {
    const char* what;
    float left, top, w, h, tx, ty;
    float afterLeft, afterTop, afterW, afterH;
    const char* picture;
    bool stillOrdered;
  };
  const Case cases[] = {
      {"straight up", 1000, 1000, 40, 92, 1020, 500, 1000, 990, 40, 92, "tankvverh", true},
      {"level with its centre: right, then down-right", 1000, 1000, 40, 92, 1300, 1046, 1010, 1000,
       92, 92, "tankdiagvnizvpravo", true},
      {"up from a diagonal: up, then up-right", 1000, 1000, 92, 92, 1046, 500, 1000, 990, 92, 92,
       "diagvverhvpravo", true},
      {"target on its centre: arrives facing down", 1000, 1000, 40, 92, 1020, 1046, 1000, 1000, 40,
       92, "tankvniz", false},
      {"down-left", 1000, 1000, 40, 92, 500, 2000, 990, 1010, 92, 92, "tankdiagvnizvlevo", true},
      {"straight left", 1000, 1000, 92, 40, 500, 1020, 990, 1000, 92, 40, "tankvlevo", true},
  };
  for (const Case& c : cases) {
    const MapObject& t = order(c.left, c.top, c.w, c.h, c.tx, c.ty);
    movementTick(game);
    EXPECT_FLOAT_EQ(t.left, c.afterLeft) << c.what;
    EXPECT_FLOAT_EQ(t.top, c.afterTop) << c.what;
    EXPECT_FLOAT_EQ(t.width, c.afterW) << c.what;
    EXPECT_FLOAT_EQ(t.height, c.afterH) << c.what;
    EXPECT_EQ(t.picture, c.picture) << c.what;
    EXPECT_EQ(game.moveOrdered, c.stillOrdered) << c.what;
  }
}

TEST_F(MovementTest, ClimbsTenPixelsATickUntilItArrives) {
  const MapObject& t = order(1000, 1000, 40, 92, 1020, 506);
  game.clock.setEnabled(kMovementTimer, true);
  advance(1000);
  EXPECT_FLOAT_EQ(t.top, 900);
  EXPECT_EQ(t.picture, "tankvverh");
  advance(100000);
  EXPECT_FALSE(game.moveOrdered);
  EXPECT_FLOAT_EQ(t.top + t.height / 2, 506);
}

TEST_F(MovementTest, AnUnevenDistanceNeverEndsTheOrderButTheTankStandsStill) {
  const MapObject& t = order(1000, 1000, 40, 92, 1025, 1046);
  movementTick(game);
  movementTick(game);
  const float left = t.left;
  for (int i = 0; i < 20; ++i) movementTick(game);
  EXPECT_TRUE(game.moveOrdered);
  EXPECT_NEAR(t.left + t.width / 2, 1025, 10);
  EXPECT_FLOAT_EQ(t.left, left);
}

TEST_F(MovementTest, NothingMovesWithoutAnOrderOrWithoutATank) {
  MapObject& t = order(1000, 1000, 40, 92, 1020, 500);
  game.moveOrdered = false;
  movementTick(game);
  EXPECT_FLOAT_EQ(t.top, 1000);
  game.moveOrdered = true;
  game.movingSlot = 0;  // the headquarters never drives
  movementTick(game);
  EXPECT_FLOAT_EQ(f.objects[0].top, 40);
}

TEST_F(MovementTest, KeepsDrivingWhileTheMenuIsOpen) {
  const MapObject& t = order(1000, 1000, 40, 92, 1020, 500);
  game.clock.setEnabled(kMovementTimer, true);
  world().window.enabled = false;
  advance(500);
  EXPECT_FLOAT_EQ(t.top, 950);
}

}  // namespace
}  // namespace kr::test
