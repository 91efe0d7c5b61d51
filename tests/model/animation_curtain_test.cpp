// Factories blinking on the two animation timers, and the minimap curtain.
#include <gtest/gtest.h>

#include "model/battlefield/animation.h"
#include "model/battlefield/curtain.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class AnimationTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);

  void place(int slot, Building kind, const char* picture, bool shown = true) {
    f.objects[slot].kind = kind;
    f.objects[slot].picture = picture;
    f.objects[slot].shown = shown;
  }
};

TEST_F(AnimationTest, EachPhaseGivesEveryAnimatedKindItsPicture) {
  place(1, Building::kMetalWorks, "metzavod");
  place(2, Building::kWoodWorks, "derzavod",
        false);  // hidden and switched off: animated all the same
  f.powered[2] = Power::kOff;
  place(3, Building::kTankFactory, "tankozavod");
  place(301, Building::kEnemyMetalWorks, "metzavodVraga");
  place(4, Building::kNone, "metzavod");  // the picture alone makes no metal works
  place(5, Building::kAccumulator, "akum");
  f.objects[0].kind = Building::kMetalWorks;  // the headquarters' slot is never touched

  animationTick(game, 2);
  EXPECT_EQ(f.objects[1].picture, "metzavod1");
  EXPECT_EQ(f.objects[2].picture, "derzavod1");
  EXPECT_EQ(f.objects[3].picture, "tankozavod1");
  EXPECT_EQ(f.objects[301].picture, "metzavodVraga1");
  animationTick(game, 1);
  EXPECT_EQ(f.objects[1].picture, "metzavod");
  EXPECT_EQ(f.objects[2].picture, "derzavod");
  EXPECT_EQ(f.objects[3].picture, "tankozavod1");  // the factory shows its second picture in both
  EXPECT_EQ(f.objects[301].picture, "metzavodVraga");
  EXPECT_EQ(f.objects[4].picture, "metzavod");
  EXPECT_EQ(f.objects[5].picture, "akum");
  EXPECT_EQ(f.objects[0].picture, "baza");
}

TEST_F(AnimationTest, PhasesAlternateEvery200MsAndStopWithTheMenu) {
  place(1, Building::kMetalWorks, "metzavod");
  // Both timers run after loading: the first cycle fires phase 1 and phase 2 together.
  advance(200);
  EXPECT_EQ(f.objects[1].picture, "metzavod1");
  EXPECT_FALSE(running(kAnimationPhase2Timer));
  EXPECT_TRUE(running(kAnimationPhase1Timer));
  advance(200);
  EXPECT_EQ(f.objects[1].picture, "metzavod");
  advance(200);
  EXPECT_EQ(f.objects[1].picture, "metzavod1");

  game.clock.setEnabled(kAnimationPhase1Timer, false);  // as the in-game menu does
  game.clock.setEnabled(kAnimationPhase2Timer, false);
  advance(2000);
  EXPECT_EQ(f.objects[1].picture, "metzavod1");
}

TEST_F(AnimationTest, ChangesBetweenTicksAreFollowedFromTheNextTick) {
  place(3, Building::kTankFactory, "tankozavod");
  advance(200);
  ASSERT_EQ(f.objects[3].picture, "tankozavod1");
  // Rules that change a slot stamp it: a works put down, the factory given another
  // picture, a slot that is a tank now.
  place(1, Building::kMetalWorks, "metzavod");
  f.objectChanged(1);
  f.objects[3].picture = "tankozavod";
  f.objectChanged(3);
  place(2, Building::kWoodWorks, "derzavod");
  advance(200);  // phase 1
  place(2, Building::kTank, "tankvverh");
  f.objectChanged(2);
  advance(200);  // phase 2
  EXPECT_EQ(f.objects[1].picture, "metzavod1");
  EXPECT_EQ(f.objects[3].picture, "tankozavod1");
  EXPECT_EQ(f.objects[2].picture, "tankvverh");
}

class CurtainTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  void workingLocator() {
    f.locatorActive = true;
    f.locatorBuilt = true;
    f.energy = 5000;
  }
};

TEST_F(CurtainTest, OpensOnThe298thTick) {
  game.clock.setEnabled(kCurtainTimer, true);
  for (int i = 0; i < 297; ++i) curtainTick(game);
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_FLOAT_EQ(f.curtain.height, 60);
  EXPECT_FLOAT_EQ(f.curtain.left, 2970);
  curtainTick(game);
  EXPECT_FALSE(f.curtain.visible);
  EXPECT_FLOAT_EQ(f.curtain.left, 0);
  EXPECT_FLOAT_EQ(f.curtain.width, kMapWidth);
  EXPECT_FLOAT_EQ(f.curtain.height, kMapHeight);
  EXPECT_FALSE(running(kCurtainTimer));
}

TEST_F(CurtainTest, AWorkingLocatorOpensItAndTheNextTickWithoutOneClosesIt) {
  workingLocator();
  advance(500);  // the economy tick starts the curtain
  EXPECT_TRUE(running(kCurtainTimer));
  advance(400);  // 25 opening ticks
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_LT(f.curtain.height, kMapHeight);

  f.locatorActive = false;  // switched off in the middle of the opening
  advance(100);
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_FLOAT_EQ(f.curtain.height, kMapHeight);
  EXPECT_FALSE(running(kCurtainTimer));

  workingLocator();
  advance(500 + 298 * 16);
  EXPECT_FALSE(f.curtain.visible);
  f.energy = 10;  // short of energy: closed again on the next economy tick
  advance(500);
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_FLOAT_EQ(f.curtain.width, kMapWidth);
}

}  // namespace
}  // namespace kr::test
