// Clicking map objects and the power switch.
#include <gtest/gtest.h>

#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/placement.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class InspectionTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
  void SetUp() override { platform.sounds.clear(); }
  void stand(int i, const char* tag, float left = 2000, float top = 2000, float w = 49,
             float h = 49) {
    f.objects[i] = MapObject{tag, left, top, w, h, "akum", true, {}, 0};
  }
  std::vector<std::string> panel() const {
    return {f.inspectedName.caption, f.inspectedEnergy.caption, f.inspectedMetal.caption,
            f.inspectedWood.caption};
  }
};

TEST_F(InspectionTest, PlayerBuildingsShowNameEffectsAndSwitch) {
  struct Case {
    const char* tag;
    std::vector<std::string> panel;
    bool powerSwitch;
  };
  const Case cases[] = {
      {tag::kHeadquarters,
       {"Строительный комплекс", "Энергия: +1", "Металл: +1", "Дерево: +1"},
       false},
      {tag::kAccumulator, {"Аккумулятор", "Энергия: +20", "Металл: --", "Дерево: --"}, true},
      {tag::kMetalWorks,
       {"Металло-переработка", "Энергия: -50", "Металл: +30", "Дерево: --"},
       true},
      {tag::kWoodWorks, {"Дерево-переработка", "Энергия: -10", "Металл: --", "Дерево: +10"}, true},
      {tag::kLocator, {"Локатор", "Энергия: -30", "Металл: --", "Дерево: --"}, true},
      {tag::kTankFactory, {"Танковый завод", "Энергия: -120", "Металл: -10", "Дерево: --"}, true},
      {tag::kConverter, {"Конвертер", "Энергия: +300", "Металл: --", "Дерево: -70"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const int slot = std::string(c.tag) == tag::kHeadquarters ? 0 : 7;
    if (slot) stand(slot, c.tag, 1000, 1200, 63.7f, 58.8f);
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
  stand(5, tag::kTank);
  stand(301, "");
  stand(306, tag::kEnemyMetalWorks);
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
  stand(3, tag::kMetalWorks);
  stand(306, tag::kEnemyMetalWorks);
  objectClick(game, 3);
  const auto before = panel();
  objectClick(game, 306);
  EXPECT_EQ(panel(), before);
  EXPECT_TRUE(f.powerSwitch.visible);
  EXPECT_EQ(game.selectedSlot, 306);

  // The switch now flips only the enemy's flag.
  powerSwitchClick(game);
  EXPECT_EQ(f.powered[306], 0);
  EXPECT_EQ(f.powered[3], 1);
  EXPECT_EQ(f.powerSwitch.caption, "Включить");

  // After a map click an enemy object shows no panel at all.
  mapClick(game);
  objectClick(game, kEnemyHq);
  EXPECT_FALSE(f.powerSwitch.visible);
  EXPECT_FALSE(f.inspectedEnergy.visible);
  EXPECT_EQ(f.inspectedName.caption, "");
}

TEST_F(InspectionTest, TankIsSelectedForMoveOrders) {
  stand(4, tag::kTank);
  objectClick(game, 4);
  EXPECT_TRUE(game.tankSelected);
  EXPECT_FALSE(f.powerSwitch.visible);
  objectClick(game, 0);
  EXPECT_FALSE(game.tankSelected);
}

TEST_F(InspectionTest, SwitchingOffAndOnAgain) {
  struct Case {
    const char* tag;
    int Battlefield::*counter;
  };
  const Case cases[] = {{tag::kAccumulator, &Battlefield::accumulatorCount},
                        {tag::kMetalWorks, &Battlefield::metalWorksCount},
                        {tag::kWoodWorks, &Battlefield::woodWorksCount},
                        {tag::kTankFactory, &Battlefield::tankFactoryCount}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    stand(9, c.tag);
    f.*c.counter = 1;
    objectClick(game, 9);
    powerSwitchClick(game);
    EXPECT_EQ(f.*c.counter, 0);
    EXPECT_EQ(f.powered[9], 0);
    EXPECT_EQ(f.powerSwitch.caption, "Включить");
    objectClick(game, 9);  // the caption follows the flag
    EXPECT_EQ(f.powerSwitch.caption, "Включить");
    powerSwitchClick(game);
    EXPECT_EQ(f.*c.counter, 1);
    EXPECT_EQ(f.powered[9], 1);
    EXPECT_EQ(f.powerSwitch.caption, "Отключить");
  }
  stand(9, tag::kConverter);
  f.converterCount = 1;
  objectClick(game, 9);
  powerSwitchClick(game);
  EXPECT_EQ(f.converterCount, 0);
  powerSwitchClick(game);
  EXPECT_EQ(f.converterCount, 1);
}

TEST_F(InspectionTest, LocatorSwitch) {
  stand(2, tag::kLocator);
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
  stand(1, tag::kTankFactory, 1000, 1000, 147, 147);
  stand(2, tag::kTankFactory, 1500, 1000, 147, 147);
  f.tankFactoryCount = 2;
  f.paletteButtons[kTankFactory].visible = true;
  objectClick(game, 2);
  EXPECT_TRUE(f.tankOrderPanel.visible);
  EXPECT_EQ(game.factorySlot, 2);
  powerSwitchClick(game);
  // The other factory still works, yet the button goes.
  EXPECT_EQ(f.tankFactoryCount, 1);
  EXPECT_FALSE(f.paletteButtons[kTankFactory].visible);
  powerSwitchClick(game);
  EXPECT_TRUE(f.paletteButtons[kTankFactory].visible);
  EXPECT_EQ(f.tankFactoryCount, 2);
}

}  // namespace
}  // namespace kr::test
