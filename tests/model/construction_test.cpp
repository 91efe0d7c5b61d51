// Construction: the ticks, the bar and blinking label, the finished item, tanks, the bars.
#include <gtest/gtest.h>

#include "model/core/building_kinds.h"
#include "model/core/construction.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class ConstructionTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
  void SetUp() override {
    f.energy = f.metal = 100000;
    f.wood = 100000;
  }
  // A placed tank factory in slot `slot`.
  void factory(int slot, float left, float top) {
    f.objects[slot] =
        MapObject{Building::kTankFactory, left, top, 147, 147, "tankozavod", true, {}, 0};
    f.lastOrderedSlot = std::max(f.lastOrderedSlot, slot);
  }
};

TEST_F(ConstructionTest, AccumulatorIsReadyAfterItsTenthTick) {
  orderItem(game, Building::kAccumulator);
  platform.sounds.clear();
  const Millis start = game.clock.now();
  for (int tick = 1; tick <= 9; ++tick) {
    game.clock.advanceTo(start + tick * 100 + 16);
    SCOPED_TRACE(tick);
    EXPECT_FALSE(f.readyIcon.visible);
    EXPECT_TRUE(f.constructionBarFrame.visible);
    EXPECT_TRUE(f.constructionBar.visible);
    EXPECT_EQ(f.constructionLabel.visible, tick % 2 == 1);  // blinks at 5 Hz
    EXPECT_FLOAT_EQ(f.constructionProgress, static_cast<float>(tick));
    // The bar follows within a frame: a tenth of its width per tick.
    EXPECT_NEAR(f.constructionBar.width,
                f.constructionBarFrame.width * static_cast<float>(tick) / 10.0f, 1e-4);
    EXPECT_FALSE(f.paletteButton(Building::kAccumulator).enabled);
  }
  EXPECT_TRUE(platform.sounds.empty());
  game.clock.advanceTo(start + 1000);
  EXPECT_TRUE(f.readyIcon.visible);
  EXPECT_FALSE(f.constructionBarFrame.visible);
  EXPECT_FALSE(f.constructionBar.visible);
  EXPECT_FALSE(f.constructionLabel.visible);
  EXPECT_EQ(f.constructionProgress, 0);
  EXPECT_FALSE(running(kConstructionTimer));
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Pus.smus"});
  EXPECT_FALSE(f.objects[1].shown);  // a building waits for the player
}

TEST_F(ConstructionTest, TankFactoryTakes25Seconds) {
  showHiddenPaletteButtons();
  orderItem(game, Building::kTankFactory);
  advance(24900);
  EXPECT_FALSE(f.readyIcon.visible);
  advance(100);
  EXPECT_TRUE(f.readyIcon.visible);
}

TEST_F(ConstructionTest, PaletteIsDisabledAgainWithin100Ms) {
  orderItem(game, Building::kMetalWorks);
  advance(100);
  for (Control& b : f.paletteButtons) b.enabled = true;
  advance(100);
  for (const Control& b : f.paletteButtons) EXPECT_FALSE(b.enabled);
}

TEST_F(ConstructionTest, TankGoesToTheBottomLeftCornerOfTheLastInspectedFactory) {
  factory(1, 1000, 2000);
  factory(2, 3000, 500);
  objectClick(game, 1);
  f.objects[3] = MapObject{Building::kAccumulator, 600, 600, 49, 49, "akum", true, {}, 0};
  f.lastOrderedSlot = 3;
  objectClick(game, 3);  // an accumulator does not change the factory
  EXPECT_TRUE(f.tankOrderPanel.visible);
  EXPECT_EQ(game.factorySlot, 1);

  orderItem(game, Building::kTank);
  advance(5000);
  const MapObject& tank = f.objects[4];
  EXPECT_TRUE(tank.shown);
  EXPECT_EQ(tank.kind, Building::kTank);
  EXPECT_EQ(tank.picture, "tankvverh");
  EXPECT_FLOAT_EQ(tank.left, 1000);
  EXPECT_FLOAT_EQ(tank.top, 2147);
  EXPECT_FLOAT_EQ(tank.width, 40);
  EXPECT_FLOAT_EQ(tank.height, 92);
  EXPECT_TRUE(f.markers[4].shown);
  EXPECT_FLOAT_EQ(f.markers[4].top, 2147);
  EXPECT_FALSE(f.readyIcon.visible);
  for (const Control& b : f.paletteButtons) EXPECT_TRUE(b.enabled);
  EXPECT_EQ(f.buildKind, Building::kTank);

  // A second tank stands on the same spot, over the first.
  orderItem(game, Building::kTank);
  advance(5000);
  EXPECT_FLOAT_EQ(f.objects[5].left, 1000);
  EXPECT_FLOAT_EQ(f.objects[5].top, 2147);
  EXPECT_TRUE(f.objects[4].shown);
}

TEST_F(ConstructionTest, HealthBarIsAlwaysFull) {
  objectClick(game, 0);
  advance(16);  // the bars follow within a frame
  EXPECT_FLOAT_EQ(f.healthBar.width, f.healthBarFrame.width);
  EXPECT_FLOAT_EQ(f.healthBar.width, 81);
}

}  // namespace
}  // namespace kr::test
