// Clicking map objects and the power switch.
#include <gtest/gtest.h>

#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/placement.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class InspectionTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
  void SetUp() override { platform.sounds.clear(); }
  void stand(int i, Building kind, float left = 2000, float top = 2000, float w = 49,
             float h = 49) {
    f.objects[i] = MapObject{kind, left, top, w, h, "akum", true, {}, 0};
  }
  std::vector<std::string> panel() const {
    return {f.inspectedName.caption, f.inspectedEnergy.caption, f.inspectedMetal.caption,
            f.inspectedWood.caption};
  }
};

TEST_F(InspectionTest, PlayerBuildingsShowNameEffectsAndSwitch) {
  struct Case {
    Building kind;
    std::vector<std::string> panel;
    bool powerSwitch;
  };
  const Case cases[] = {
      {Building::kHeadquarters,
       {"Строительный комплекс", "Энергия: +1", "Металл: +1", "Дерево: +1"},
       false},
      {Building::kAccumulator, {"Аккумулятор", "Энергия: +20", "Металл: --", "Дерево: --"}, true},
      {Building::kMetalWorks,
       {"Металло-переработка", "Энергия: -50", "Металл: +30", "Дерево: --"},
       true},
      {Building::kWoodWorks,
       {"Дерево-переработка", "Энергия: -10", "Металл: --", "Дерево: +10"},
       true},
      {Building::kLocator, {"Локатор", "Энергия: -30", "Металл: --", "Дерево: --"}, true},
      {Building::kTankFactory,
       {"Танковый завод", "Энергия: -120", "Металл: -10", "Дерево: --"},
       true},
      {Building::kConverter, {"Конвертер", "Энергия: +300", "Металл: --", "Дерево: -70"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kindOf(c.kind).name);
    const int slot = c.kind == Building::kHeadquarters ? 0 : 7;
    if (slot) stand(slot, c.kind, 1000, 1200, 63.7f, 58.8f);
    mapClick(game);
    objectClick(game, slot);
    EXPECT_EQ(panel(), c.panel);
    EXPECT_TRUE(f.inspectedEnergy.visible);
    EXPECT_TRUE(f.inspectedMetal.visible);
    EXPECT_TRUE(f.inspectedWood.visible);
    EXPECT_EQ(f.powerSwitch.visible, c.powerSwitch);
    EXPECT_EQ(f.powerSwitch.caption, slot ? "Отключить" : "Включить");
    EXPECT_EQ(game.selectedSlot, slot);
    EXPECT_FALSE(game.tankSelected);
  }
  EXPECT_FLOAT_EQ(f.healthBarFrame.left, 1000);
  EXPECT_FLOAT_EQ(f.healthBarFrame.top, 1200 + 58.8f + 5);
  EXPECT_FLOAT_EQ(f.healthBarFrame.width, 63.7f);
}

TEST_F(InspectionTest, EveryObjectShowsFullHealth) {
  stand(5, Building::kTank);
  stand(301, Building::kEnemyAccumulator);
  stand(306, Building::kEnemyMetalWorks);
  for (int slot : {0, 5, 301, 306, kEnemyHq}) {
    SCOPED_TRACE(slot);
    mapClick(game);
    objectClick(game, slot);
    const MapObject& o = f.objects[slot];
    EXPECT_EQ(f.healthLabel.caption, "100 %");
    EXPECT_TRUE(f.healthBarFrame.visible && f.healthBar.visible && f.healthLabel.visible);
    EXPECT_FLOAT_EQ(f.healthBarFrame.left, o.left);
    EXPECT_FLOAT_EQ(f.healthBarFrame.top, o.top + o.height + 5);
    EXPECT_FLOAT_EQ(f.healthBar.left, o.left);
    EXPECT_FLOAT_EQ(f.healthLabel.top, f.healthBarFrame.top);
    EXPECT_FLOAT_EQ(f.healthLabel.width, o.width);
    EXPECT_EQ(f.selectedHealth, 100);
  }
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>(5, "Click.smus"));
}

TEST_F(InspectionTest, EnemyObjectKeepsThePreviousLinesAndSwitch) {
  stand(3, Building::kMetalWorks);
  stand(306, Building::kEnemyMetalWorks);
  objectClick(game, 3);
  const auto before = panel();
  objectClick(game, 306);
  EXPECT_EQ(panel(), before);
  EXPECT_TRUE(f.powerSwitch.visible);
  EXPECT_EQ(game.selectedSlot, 306);

  // The switch now flips only the enemy's flag.
  powerSwitchClick(game);
  EXPECT_EQ(f.powered[306], Power::kOff);
  EXPECT_EQ(f.powered[3], Power::kOn);
  EXPECT_EQ(f.powerSwitch.caption, "Включить");

  // After a map click an enemy object shows no panel at all.
  mapClick(game);
  objectClick(game, kEnemyHq);
  EXPECT_FALSE(f.powerSwitch.visible);
  EXPECT_FALSE(f.inspectedEnergy.visible);
  EXPECT_EQ(f.inspectedName.caption, "");
}

TEST_F(InspectionTest, TankIsSelectedForMoveOrders) {
  stand(4, Building::kTank);
  objectClick(game, 4);
  EXPECT_TRUE(game.tankSelected);
  EXPECT_FALSE(f.powerSwitch.visible);
  objectClick(game, 0);
  EXPECT_FALSE(game.tankSelected);
}

TEST_F(InspectionTest, SwitchingOffAndOnAgain) {
  for (const Building kind : {Building::kAccumulator, Building::kMetalWorks, Building::kWoodWorks,
                              Building::kTankFactory}) {
    SCOPED_TRACE(kindOf(kind).name);
    stand(9, kind);
    f.working(kind) = 1;
    objectClick(game, 9);
    powerSwitchClick(game);
    EXPECT_EQ(f.working(kind), 0);
    EXPECT_EQ(f.powered[9], Power::kOff);
    EXPECT_EQ(f.powerSwitch.caption, "Включить");
    objectClick(game, 9);  // the caption follows the flag
    EXPECT_EQ(f.powerSwitch.caption, "Включить");
    powerSwitchClick(game);
    EXPECT_EQ(f.working(kind), 1);
    EXPECT_EQ(f.powered[9], Power::kOn);
    EXPECT_EQ(f.powerSwitch.caption, "Отключить");
  }
  stand(9, Building::kConverter);
  f.working(Building::kConverter) = 1;
  objectClick(game, 9);
  powerSwitchClick(game);
  EXPECT_EQ(f.working(Building::kConverter), 0);
  powerSwitchClick(game);
  EXPECT_EQ(f.working(Building::kConverter), 1);
}

TEST_F(InspectionTest, LocatorSwitch) {
  stand(2, Building::kLocator);
  f.locatorActive = true;
  objectClick(game, 2);
  platform.sounds.clear();
  powerSwitchClick(game);
  EXPECT_FALSE(f.locatorActive);
  EXPECT_TRUE(platform.sounds.empty());
  powerSwitchClick(game);
  EXPECT_TRUE(f.locatorActive);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"locator.smus"});
}

TEST_F(InspectionTest, TwoTankFactoriesAndTheirButton) {
  stand(1, Building::kTankFactory, 1000, 1000, 147, 147);
  stand(2, Building::kTankFactory, 1500, 1000, 147, 147);
  f.working(Building::kTankFactory) = 2;
  f.paletteButton(Building::kTankFactory).visible = true;
  objectClick(game, 2);
  EXPECT_TRUE(f.tankOrderPanel.visible);
  EXPECT_EQ(game.factorySlot, 2);
  powerSwitchClick(game);
  // The other factory still works, yet the button goes.
  EXPECT_EQ(f.working(Building::kTankFactory), 1);
  EXPECT_FALSE(f.paletteButton(Building::kTankFactory).visible);
  powerSwitchClick(game);
  EXPECT_TRUE(f.paletteButton(Building::kTankFactory).visible);
  EXPECT_EQ(f.working(Building::kTankFactory), 2);
}

}  // namespace
}  // namespace kr::test
