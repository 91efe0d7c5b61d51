// Palette orders: prices, the slot limit, developer mode, paging and taking the item.
#include <gtest/gtest.h>

#include "model/core/building_kinds.h"
#include "model/core/construction.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

struct Price {
  std::int32_t energy;
  std::int32_t metal;
  float wood;
};

class PaletteTest : public GameTest {
 protected:
  Battlefield& f = startLevel(2);
  void SetUp() override { platform.sounds.clear(); }
  void stock(Price p) {
    f.energy = p.energy;
    f.metal = p.metal;
    f.wood = p.wood;
  }
  // Brings up the panel an order's button lies in, as the player does: the next page for
  // the converter, a click on a tank factory for the tank.
  void showPanelOf(Building index) {
    if (index == Building::kConverter && !f.secondPage.visible) nextPageClick(game);
    if (index == Building::kTank) {
      f.objects[kFactorySlot] =
          MapObject{Building::kTankFactory, 2000, 2000, 147, 147, "tankozavod", true, {}, 0};
      objectClick(game, kFactorySlot);
    }
  }
  static constexpr int kFactorySlot = 200;
};

struct Order {
  Building index;
  Price price;
  int ticks;
  float width;
  float height;
};

const Order kOrders[] = {
    {Building::kAccumulator, {300, 200, 50}, 10, 49, 49},
    {Building::kMetalWorks, {800, 700, 150}, 50, 63.7f, 58.8f},
    {Building::kWoodWorks, {200, 150, 50}, 20, 49, 49},
    {Building::kLocator, {1400, 1500, 100}, 25, 73.5f, 73.5f},
    {Building::kTankFactory, {5000, 3500, 500}, 250, 147, 147},
    {Building::kTank, {2000, 3000, 200}, 50, 40, 92},
    {Building::kConverter, {800, 300, 150}, 180, 39.2f, 39.2f},
};

TEST_F(PaletteTest, ExactPriceIsAcceptedAndEmptiesTheStocks) {
  showHiddenPaletteButtons();
  for (const Order& o : kOrders) {
    SCOPED_TRACE(kindOf(o.index).name);
    showPanelOf(o.index);
    stock(o.price);
    platform.sounds.clear();
    game.clock.setEnabled(kConstructionTimer, false);
    const int slot = f.lastOrderedSlot + 1;
    orderItem(game, o.index);
    EXPECT_EQ(f.energy, 0);
    EXPECT_EQ(f.metal, 0);
    EXPECT_EQ(f.wood, 0);
    EXPECT_EQ(f.lastOrderedSlot, slot);
    EXPECT_EQ(f.buildKind, o.index);
    EXPECT_EQ(f.constructionTicks, o.ticks);
    EXPECT_TRUE(running(kConstructionTimer));
    EXPECT_FLOAT_EQ(f.objects[slot].width, o.width);
    EXPECT_FLOAT_EQ(f.objects[slot].height, o.height);
    EXPECT_FALSE(f.objects[slot].shown);
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"building.smus"});
  }
}

TEST_F(PaletteTest, OneShortIsRefusedWithTheCueAndNothingChanges) {
  showHiddenPaletteButtons();
  for (const Order& o : kOrders) {
    showPanelOf(o.index);
    for (int shortOf = 0; shortOf < 3; ++shortOf) {
      SCOPED_TRACE(testing::Message() << kindOf(o.index).name << " short of " << shortOf);
      Price p = o.price;
      if (shortOf == 0) p.energy -= 1;
      if (shortOf == 1) p.metal -= 1;
      if (shortOf == 2) p.wood -= 1;
      stock(p);
      platform.sounds.clear();
      orderItem(game, o.index);
      EXPECT_EQ(f.energy, p.energy);
      EXPECT_EQ(f.metal, p.metal);
      EXPECT_EQ(f.wood, p.wood);
      EXPECT_EQ(f.lastOrderedSlot, 0);
      EXPECT_EQ(f.buildKind, Building::kNone);
      EXPECT_FALSE(running(kConstructionTimer));
      EXPECT_FLOAT_EQ(f.objects[1].width, 49);
      EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Ass.smus"});
    }
  }
}

TEST_F(PaletteTest, Slot300IsTheLastOneHandedOut) {
  f.lastOrderedSlot = 299;
  orderItem(game, Building::kAccumulator);
  EXPECT_EQ(f.lastOrderedSlot, 300);
  EXPECT_EQ(f.energy, 1200);

  game.clock.setEnabled(kConstructionTimer, false);
  platform.sounds.clear();
  orderItem(game, Building::kAccumulator);
  EXPECT_EQ(f.lastOrderedSlot, 300);
  EXPECT_EQ(f.energy, 1200);
  EXPECT_EQ(f.buildKind, Building::kNone);
  EXPECT_FALSE(running(kConstructionTimer));
  EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(PaletteTest, SecondOrderBeforeTheFirstTickTakesASecondSlot) {
  orderItem(game, Building::kAccumulator);
  orderItem(game, Building::kWoodWorks);
  EXPECT_EQ(f.lastOrderedSlot, 2);
  EXPECT_EQ(f.buildKind, Building::kWoodWorks);
  EXPECT_EQ(f.energy, 1500 - 300 - 200);
  EXPECT_EQ(f.constructionTicks, 20);
}

TEST_F(PaletteTest, DeveloperModeHandsTheItemOverAtOnceAndFree) {
  say("jyv");
  ASSERT_TRUE(game.developerMode);
  stock({1500, 1500, 1500});
  for (Building index : {Building::kTankFactory, Building::kTank}) {
    showPanelOf(index);
    platform.sounds.clear();
    orderItem(game, index);
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(f.buildKind, index);
    EXPECT_TRUE(f.itemInHand);
    EXPECT_TRUE(f.placementPending);
    EXPECT_FLOAT_EQ(f.objects[f.lastOrderedSlot].width, 49);
    EXPECT_FLOAT_EQ(f.objects[f.lastOrderedSlot].height, 49);
  }
  EXPECT_EQ(f.lastOrderedSlot, 2);
  EXPECT_EQ(f.energy, 1500);
  EXPECT_FALSE(running(kConstructionTimer));
}

TEST_F(PaletteTest, DeveloperModeStopsAtSlot300Too) {
  game.developerMode = true;
  f.lastOrderedSlot = 299;
  orderItem(game, Building::kAccumulator);
  EXPECT_EQ(f.lastOrderedSlot, 300);
  EXPECT_TRUE(f.itemInHand);

  for (int i = 0; i < 400; ++i) orderItem(game, Building::kAccumulator);
  EXPECT_EQ(f.lastOrderedSlot, 300);
  EXPECT_FALSE(f.itemInHand);
  EXPECT_EQ(f.buildKind, Building::kNone);
  EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(PaletteTest, PagingBothWays) {
  showHiddenPaletteButtons();
  struct Step {
    void (*click)(Game&);
    int page;
    bool bui;
  };
  const Step steps[] = {
      {previousPageClick, 2, true},  // back from page 1 wraps to page 2
      {previousPageClick, 1, false},
      {nextPageClick, 2, true},
      {nextPageClick, 1, false},  // forward from page 2 wraps to page 1
  };
  for (const Step& s : steps) {
    s.click(game);
    EXPECT_EQ(f.palettePage, s.page);
    EXPECT_EQ(f.secondPage.visible, s.bui);
  }
}

TEST_F(PaletteTest, ArrowLooksPressedFor150Ms) {
  showHiddenPaletteButtons();
  nextPageClick(game);
  EXPECT_EQ(f.nextPageArrow.border, 1);
  EXPECT_EQ(f.previousPageArrow.border, 0);
  advance(100);
  previousPageClick(game);  // the release timer is already running: it keeps its time
  EXPECT_EQ(f.previousPageArrow.border, 1);
  advance(49);
  EXPECT_EQ(f.nextPageArrow.border, 1);
  advance(1);
  EXPECT_EQ(f.nextPageArrow.border, 0);
  EXPECT_EQ(f.previousPageArrow.border, 0);
  EXPECT_FALSE(running(kArrowReleaseTimer));
}

TEST_F(PaletteTest, TakingTheFinishedItem) {
  f.readyIcon.visible = true;
  takeItem(game);
  EXPECT_FALSE(f.readyIcon.visible);
  EXPECT_TRUE(f.itemInHand);
  EXPECT_TRUE(f.placementPending);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"Click.smus"});
  // A new order drops the item in hand.
  orderItem(game, Building::kAccumulator);
  EXPECT_FALSE(f.itemInHand);
}

}  // namespace
}  // namespace kr::test
