// Clicking map objects and the power switch.
#include <gtest/gtest.h>

#include "model/core/inspection.h"
#include "model/core/placement.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class InspectionTest : public GameTest {
 protected:
  Form1& f = startLevel(2);
  void SetUp() override { platform.sounds.clear(); }
  void stand(int i, const char* tag, float left = 2000, float top = 2000, float w = 49,
             float h = 49) {
    f.Baza[i] = MapObject{tag, left, top, w, h, "akum", true, {}, 0};
  }
  std::vector<std::string> panel() const {
    return {f.OzDa.caption, f.ZdaEn.caption, f.ZdaMet.caption, f.ZdaDer.caption};
  }
};

TEST_F(InspectionTest, PlayerBuildingsShowNameEffectsAndSwitch) {
  struct Case {
    const char* tag;
    std::vector<std::string> panel;
    bool powerSwitch;
  };
  const Case cases[] = {
      {"baza", {"Строительный комплекс", "Энергия: +1", "Металл: +1", "Дерево: +1"}, false},
      {"elek", {"Аккумулятор", "Энергия: +20", "Металл: --", "Дерево: --"}, true},
      {"meta", {"Металло-переработка", "Энергия: -50", "Металл: +30", "Дерево: --"}, true},
      {"dere", {"Дерево-переработка", "Энергия: -10", "Металл: --", "Дерево: +10"}, true},
      {"loca", {"Локатор", "Энергия: -30", "Металл: --", "Дерево: --"}, true},
      {"taza", {"Танковый завод", "Энергия: -120", "Металл: -10", "Дерево: --"}, true},
      {"konv", {"Конвертер", "Энергия: +300", "Металл: --", "Дерево: -70"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const int slot = std::string(c.tag) == "baza" ? 0 : 7;
    if (slot) stand(slot, c.tag, 1000, 1200, 63.7f, 58.8f);
    mapClick(game);
    objectClick(game, slot);
    EXPECT_EQ(panel(), c.panel);
    EXPECT_TRUE(f.ZdaEn.visible);
    EXPECT_TRUE(f.ZdaMet.visible);
    EXPECT_TRUE(f.ZdaDer.visible);
    EXPECT_EQ(f.Pitanie.visible, c.powerSwitch);
    EXPECT_EQ(f.Pitanie.caption, slot ? "Отключить" : "Включить");
    EXPECT_EQ(game.SelectedIndex, slot);
    EXPECT_FALSE(game.TankSelected);
  }
  EXPECT_FLOAT_EQ(f.ObZdor.left, 1000);
  EXPECT_FLOAT_EQ(f.ObZdor.top, 1200 + 58.8f + 5);
  EXPECT_FLOAT_EQ(f.ObZdor.width, 63.7f);
}

TEST_F(InspectionTest, EveryObjectShowsFullHealth) {
  stand(5, "tank");
  stand(301, "");
  stand(306, "metVraga");
  for (int slot : {0, 5, 301, 306, kEnemyHq}) {
    SCOPED_TRACE(slot);
    mapClick(game);
    objectClick(game, slot);
    const MapObject& o = f.Baza[slot];
    EXPECT_EQ(f.ZdorLbl.caption, "100 %");
    EXPECT_TRUE(f.ObZdor.visible && f.ZdorBar.visible && f.ZdorLbl.visible);
    EXPECT_FLOAT_EQ(f.ObZdor.left, o.left);
    EXPECT_FLOAT_EQ(f.ObZdor.top, o.top + o.height + 5);
    EXPECT_FLOAT_EQ(f.ZdorBar.left, o.left);
    EXPECT_FLOAT_EQ(f.ZdorLbl.top, f.ObZdor.top);
    EXPECT_FLOAT_EQ(f.ZdorLbl.width, o.width);
    EXPECT_EQ(f.SelectedHealth, 100);
  }
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>(5, "Click.smus"));
}

TEST_F(InspectionTest, EnemyObjectKeepsThePreviousLinesAndSwitch) {
  stand(3, "meta");
  stand(306, "metVraga");
  objectClick(game, 3);
  const auto before = panel();
  objectClick(game, 306);
  EXPECT_EQ(panel(), before);
  EXPECT_TRUE(f.Pitanie.visible);
  EXPECT_EQ(game.SelectedIndex, 306);

  // The switch now flips only the enemy's flag.
  powerSwitchClick(game);
  EXPECT_EQ(f.ObjectPowered[306], 0);
  EXPECT_EQ(f.ObjectPowered[3], 1);
  EXPECT_EQ(f.Pitanie.caption, "Включить");

  // After a map click an enemy object shows no panel at all.
  mapClick(game);
  objectClick(game, kEnemyHq);
  EXPECT_FALSE(f.Pitanie.visible);
  EXPECT_FALSE(f.ZdaEn.visible);
  EXPECT_EQ(f.OzDa.caption, "");
}

TEST_F(InspectionTest, TankIsSelectedForMoveOrders) {
  stand(4, "tank");
  objectClick(game, 4);
  EXPECT_TRUE(game.TankSelected);
  EXPECT_FALSE(f.Pitanie.visible);
  objectClick(game, 0);
  EXPECT_FALSE(game.TankSelected);
}

TEST_F(InspectionTest, SwitchingOffAndOnAgain) {
  struct Case {
    const char* tag;
    int Form1::*counter;
  };
  const Case cases[] = {{"elek", &Form1::AccumulatorCount},
                        {"meta", &Form1::MetalWorksCount},
                        {"dere", &Form1::WoodWorksCount},
                        {"taza", &Form1::TankFactoryCount}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    stand(9, c.tag);
    f.*c.counter = 1;
    objectClick(game, 9);
    powerSwitchClick(game);
    EXPECT_EQ(f.*c.counter, 0);
    EXPECT_EQ(f.ObjectPowered[9], 0);
    EXPECT_EQ(f.Pitanie.caption, "Включить");
    objectClick(game, 9);  // the caption follows the flag
    EXPECT_EQ(f.Pitanie.caption, "Включить");
    powerSwitchClick(game);
    EXPECT_EQ(f.*c.counter, 1);
    EXPECT_EQ(f.ObjectPowered[9], 1);
    EXPECT_EQ(f.Pitanie.caption, "Отключить");
  }
  stand(9, "konv");
  f.ConverterCount = 1;
  objectClick(game, 9);
  powerSwitchClick(game);
  EXPECT_EQ(f.ConverterCount, 0);
  powerSwitchClick(game);
  EXPECT_EQ(f.ConverterCount, 1);
}

TEST_F(InspectionTest, LocatorSwitch) {
  stand(2, "loca");
  f.LocatorActive = true;
  objectClick(game, 2);
  platform.sounds.clear();
  powerSwitchClick(game);
  EXPECT_FALSE(f.LocatorActive);
  EXPECT_TRUE(platform.sounds.empty());
  powerSwitchClick(game);
  EXPECT_TRUE(f.LocatorActive);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"locator.smus"});
}

TEST_F(InspectionTest, TwoTankFactoriesAndTheirButton) {
  stand(1, "taza", 1000, 1000, 147, 147);
  stand(2, "taza", 1500, 1000, 147, 147);
  f.TankFactoryCount = 2;
  f.build[kTankFactory].visible = true;
  objectClick(game, 2);
  EXPECT_TRUE(f.TankBui.visible);
  EXPECT_EQ(game.FactorySlot, 2);
  powerSwitchClick(game);
  // The other factory still works, yet the button goes.
  EXPECT_EQ(f.TankFactoryCount, 1);
  EXPECT_FALSE(f.build[kTankFactory].visible);
  powerSwitchClick(game);
  EXPECT_TRUE(f.build[kTankFactory].visible);
  EXPECT_EQ(f.TankFactoryCount, 2);
}

}  // namespace
}  // namespace kr::test
