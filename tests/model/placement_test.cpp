// Putting the item in hand down: the blocking rule, the map's edges, items by kind.
#include <gtest/gtest.h>

#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/placement.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

class PlacementTest : public GameTest {
 protected:
  Battlefield& f = startLevel(1);
  void SetUp() override { platform.sounds.clear(); }

  // The item in hand: the next slot, standing where the pointer left it.
  MapObject& hold(Building kind, float left, float top, float w = 100, float h = 100) {
    f.lastOrderedSlot += 1;
    MapObject& item = f.objects[f.lastOrderedSlot];
    item.left = left;
    item.top = top;
    item.width = w;
    item.height = h;
    item.shown = true;
    item.border = 1;
    f.buildKind = kind;
    f.itemInHand = true;
    f.placementPending = true;
    return item;
  }
  // A building already standing in slot i.
  void stand(int i, float left, float top, float w = 100, float h = 100,
             Building kind = Building::kAccumulator) {
    f.objects[i] = MapObject{kind, left, top, w, h, "akum", true, {}, 0};
    f.lastOrderedSlot = std::max(f.lastOrderedSlot, std::min(i, 300));
  }
};

TEST_F(PlacementTest, TenPixelGapOnEverySide) {
  // O stands at 1000, 1000, 100 × 100; the item, 100 × 100, overlaps its range on the
  // other axis and keeps `gap` from one side of it.
  struct Case {
    const char* side;
    float gap;
    bool accepted;
  };
  const Case cases[] = {
      {"right", 10, true}, {"right", 5, false}, {"right", 0, false}, {"left", 10, true},
      {"left", 5, false},  {"left", 0, false},  {"below", 10, true}, {"below", 5, false},
      {"below", 0, false}, {"above", 10, true}, {"above", 5, false}, {"above", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.side << " " << c.gap);
    f.lastOrderedSlot = 0;
    stand(1, 1000, 1000);
    const std::string side = c.side;
    float left = 1050, top = 1050;
    if (side == "right") left = 1100 + c.gap;
    if (side == "left") left = 1000 - c.gap - 100;
    if (side == "below") top = 1100 + c.gap;
    if (side == "above") top = 1000 - c.gap - 100;
    MapObject& item = hold(Building::kAccumulator, left, top);
    mapClick(game);
    EXPECT_EQ(item.kind == Building::kAccumulator, c.accepted);
    EXPECT_EQ(f.placementPending, !c.accepted);
    EXPECT_TRUE(freeGroundTest(item, f.objects[1]) != c.accepted);
    item = MapObject{};
  }
}

TEST_F(PlacementTest, OverlapsTheStrictTestsLetThrough) {
  // O at 1000, 1000, 100 × 100.
  struct Case {
    const char* what;
    float left, top, w, h;
    bool blocked;
  };
  const Case cases[] = {
      {"same left and width, from above", 1000, 950, 100, 100, false},
      {"same left and width, from below", 1000, 1050, 100, 100, false},
      {"same top and height, from the left", 950, 1000, 100, 100, false},
      {"identical", 1000, 1000, 100, 100, false},
      {"one pixel to the right, from below", 1001, 1050, 100, 100, true},
      {"inside it", 1020, 1020, 60, 60, true},
      {"wider, spanning its width", 950, 1050, 200, 100, true},
      {"taller, spanning its height", 1050, 950, 100, 200, true},
      {"covering it", 900, 900, 300, 300, true},
  };
  MapObject o{Building::kAccumulator, 1000, 1000, 100, 100, "akum", true, {}, 0};
  for (const Case& c : cases) {
    MapObject l{Building::kNone, c.left, c.top, c.w, c.h, "", true, {}, 0};
    EXPECT_EQ(freeGroundTest(l, o), c.blocked) << c.what;
  }
}

TEST_F(PlacementTest, MapEdges) {
  struct Case {
    const char* what;
    float left, top;
    bool blocked;
  };
  // A 100 × 100 item, far from every slot.
  const Case cases[] = {
      {"right edge 170 from the map's", 5730, 3000, false},
      {"right edge 169.5 from the map's", 5730.5f, 3000, true},
      {"bottom edge 170 from the map's", 3000, 5730, false},
      {"bottom edge 169.5 from the map's", 3000, 5730.5f, true},
      {"top at 0", 3000, 0, false},
      {"above the map", 3000, -0.5f, true},
      {"beyond the left edge", -60, 3000, false},
  };
  const MapObject far{Building::kNone, 4000, 4000, 10, 10, "", false, {}, 0};
  for (const Case& c : cases) {
    MapObject l{Building::kNone, c.left, c.top, 100, 100, "", true, {}, 0};
    EXPECT_EQ(freeGroundTest(l, far), c.blocked) << c.what;
  }
  // The same through the map click: nothing is put down within the margin.
  MapObject& item = hold(Building::kAccumulator, 5730.5f, 3000);
  mapClick(game);
  EXPECT_EQ(item.kind, Building::kNone);
  item.left = 5730;
  mapClick(game);
  EXPECT_EQ(item.kind, Building::kAccumulator);
}

TEST_F(PlacementTest, HiddenSlotsAtTheTopLeftCornerBlock) {
  // Only the headquarters is drawn, yet the fresh slots at 0, 0, slots 1 and 2 and the
  // hidden enemy headquarters lie in the corner.
  const MapObject item{Building::kNone, 20, 20, 49, 49, "", true, {}, 0};
  for (int i : {3, 150, 600, 1, 2, kEnemyHq}) {
    ASSERT_FALSE(f.objects[i].shown);
    EXPECT_TRUE(freeGroundTest(item, f.objects[i])) << i;
  }
  hold(Building::kAccumulator, 20, 20, 49, 49);
  mapClick(game);
  EXPECT_TRUE(f.placementPending);
  EXPECT_EQ(f.working(Building::kAccumulator), 0);
}

TEST_F(PlacementTest, EverySlotIsTested) {
  for (int blocker : {0, 299, 300, 301, 450, 600, 601}) {
    SCOPED_TRACE(blocker);
    const MapObject saved = f.objects[blocker];
    f.objects[blocker].left = 3000;
    f.objects[blocker].top = 3000;
    f.lastOrderedSlot = 10;
    MapObject& item = hold(Building::kAccumulator, 3020, 3020, 49, 49);
    mapClick(game);
    EXPECT_TRUE(f.placementPending);
    EXPECT_EQ(item.kind, Building::kNone);
    f.objects[blocker] = saved;
  }
}

TEST_F(PlacementTest, TankBlocks) {
  stand(1, 2000, 2000, 40, 92, Building::kTank);
  MapObject& item = hold(Building::kAccumulator, 2020, 2050, 49, 49);
  mapClick(game);
  EXPECT_EQ(item.kind, Building::kNone);
  item.left = 2050;
  mapClick(game);
  EXPECT_EQ(item.kind, Building::kAccumulator);
}

struct Kind {
  Building index;
  const char* picture;
  Building kind;
  const char* tooltip;
  std::vector<std::string> cues;
  bool counted;
};

TEST_F(PlacementTest, ItemsByKind) {
  const Kind kinds[] = {
      {Building::kAccumulator, "akum", Building::kAccumulator, "Аккумулятор", {"build.smus"}, true},
      {Building::kMetalWorks,
       "metzavod",
       Building::kMetalWorks,
       "Металло-перерабатывающий завод",
       {"build.smus"},
       true},
      {Building::kWoodWorks,
       "derzavod",
       Building::kWoodWorks,
       "Дерево-перерабатывающий завод",
       {"build.smus"},
       true},
      {Building::kLocator, "locator", Building::kLocator, "Локатор", {"locator.smus"}, false},
      {Building::kTankFactory,
       "tankozavod",
       Building::kTankFactory,
       "Завод по производству танков",
       {"build.smus"},
       true},
      {Building::kTank, "tankvniz", Building::kTank, "", {}, false},
      {Building::kConverter,
       "konverter",
       Building::kConverter,
       "Конвертер - сжигает дерево для получения электричества",
       {"build.smus"},
       true},
  };
  float left = 500;
  for (const Kind& k : kinds) {
    SCOPED_TRACE(kindOf(k.kind).name);
    platform.sounds.clear();
    for (Control& b : f.paletteButtons) b.enabled = false;
    f.constructionBar.visible = f.constructionBarFrame.visible = true;
    MapObject& item = hold(k.index, left, 3000, 49, 49);
    left += 200;
    const int before = f.working(k.kind);
    mapClick(game);
    EXPECT_EQ(item.picture, k.picture);
    EXPECT_EQ(item.kind, k.kind);
    EXPECT_EQ(item.tooltip, k.tooltip);
    EXPECT_EQ(item.border, 0);
    EXPECT_TRUE(item.shown);
    EXPECT_EQ(f.working(k.kind), before + (k.counted ? 1 : 0));
    EXPECT_EQ(platform.soundNames(), k.cues);
    EXPECT_TRUE(f.markers[f.lastOrderedSlot].shown);
    EXPECT_FLOAT_EQ(f.markers[f.lastOrderedSlot].left, item.left);
    EXPECT_FLOAT_EQ(f.markers[f.lastOrderedSlot].top, 3000);
    EXPECT_EQ(f.buildKind, Building::kNone);
    EXPECT_FALSE(f.placementPending);
    EXPECT_TRUE(f.itemInHand);
    EXPECT_FALSE(f.constructionBar.visible);
    EXPECT_FALSE(f.constructionBarFrame.visible);
    for (const Control& b : f.paletteButtons) EXPECT_TRUE(b.enabled);
  }
  EXPECT_EQ(f.working(Building::kConverter), 1);
  EXPECT_TRUE(f.locatorActive);
  EXPECT_TRUE(f.locatorBuilt);
}

TEST_F(PlacementTest, MissionTwoUnlocksThePalette) {
  for (int level : {1, 2}) {
    game.unload<Battlefield>();
    Battlefield& w = startLevel(level);
    const bool two = level == 2;
    const auto put = [&](Building kind) {
      w.lastOrderedSlot += 1;
      MapObject& item = w.objects[w.lastOrderedSlot];
      item.left = 1000.0f + 200.0f * static_cast<float>(w.lastOrderedSlot);
      item.top = 3000;
      w.buildKind = kind;
      w.itemInHand = true;
      mapClick(game);
      ASSERT_FALSE(w.placementPending);
    };
    put(Building::kAccumulator);
    EXPECT_EQ(w.paletteButton(Building::kLocator).visible, two) << level;
    EXPECT_FALSE(w.paletteButton(Building::kTankFactory).visible) << level;
    put(Building::kMetalWorks);
    EXPECT_EQ(w.paletteButton(Building::kTankFactory).visible, two) << level;
    put(Building::kWoodWorks);
    EXPECT_EQ(w.nextPageArrow.visible, two) << level;
    EXPECT_EQ(w.previousPageArrow.visible, two) << level;
    EXPECT_TRUE(w.paletteButton(Building::kConverter).visible || !two);
    // A tank factory shows its button on any mission.
    w.paletteButton(Building::kTankFactory).visible = false;
    put(Building::kTankFactory);
    EXPECT_TRUE(w.paletteButton(Building::kTankFactory).visible) << level;
  }
}

TEST_F(PlacementTest, MapClickClosesThePanelsAndKeepsTheSelection) {
  stand(1, 2000, 2000, 147, 147, Building::kTankFactory);
  objectClick(game, 1);
  ASSERT_TRUE(f.tankOrderPanel.visible);
  mapClick(game);
  EXPECT_FALSE(f.tankOrderPanel.visible);
  EXPECT_FALSE(f.healthBarFrame.visible);
  EXPECT_FALSE(f.healthBar.visible);
  EXPECT_FALSE(f.healthLabel.visible);
  EXPECT_FALSE(f.inspectedEnergy.visible);
  EXPECT_FALSE(f.inspectedMetal.visible);
  EXPECT_FALSE(f.inspectedWood.visible);
  EXPECT_FALSE(f.powerSwitch.visible);
  EXPECT_EQ(f.inspectedName.caption, "");
  EXPECT_EQ(game.selectedSlot, 1);
  EXPECT_EQ(game.factorySlot, 1);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Click.smus"});  // the object click
}

TEST_F(PlacementTest, SecondClickAfterPlacingChangesNothingVisible) {
  MapObject& item = hold(Building::kAccumulator, 3000, 3000, 49, 49);
  mapClick(game);
  const MapObject after = item;
  platform.sounds.clear();
  mapClick(game);
  EXPECT_EQ(f.working(Building::kAccumulator), 1);
  EXPECT_EQ(item.kind, after.kind);
  EXPECT_EQ(item.left, after.left);
  EXPECT_TRUE(f.markers[f.lastOrderedSlot].shown);
  EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(PlacementTest, BlockedClickKeepsTheItemInHandSilently) {
  MapObject& item = hold(Building::kAccumulator, 60, 60, 49, 49);  // on the headquarters
  mapClick(game);
  EXPECT_TRUE(f.placementPending);
  EXPECT_TRUE(f.itemInHand);
  EXPECT_EQ(f.buildKind, Building::kAccumulator);
  EXPECT_EQ(item.border, 1);
  EXPECT_FALSE(f.markers[f.lastOrderedSlot].shown);
  EXPECT_TRUE(platform.sounds.empty());
}

}  // namespace
}  // namespace kr::test
