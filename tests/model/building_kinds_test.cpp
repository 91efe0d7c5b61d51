// The building kinds: the table's stored listing and each player kind's walk against its row.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/battlefield/pointer.h"
#include "model/bot/bot.h"
#include "model/core/building_kinds.h"
#include "model/core/economy.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/placement.h"
#include "model/core/world.h"
#include "support/game_fixture.h"
#include "support/stored_text.h"

namespace kr::test {
namespace {

const char* orNone(const char* text) { return text && *text ? text : "none"; }

std::string inQuotes(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string amounts(const Resources& r) {
  return std::to_string(r.energy) + " " + std::to_string(r.metal) + " " + std::to_string(r.wood);
}

const char* placeName(PalettePlace place) {
  switch (place) {
    case PalettePlace::kPageOne: return "page 1";
    case PalettePlace::kPageTwo: return "page 2";
    case PalettePlace::kTankOrders: return "the tank order panel";
    case PalettePlace::kNone: break;
  }
  return "nowhere";
}

std::string unlocksText(const Unlocks& u) {
  std::string out;
  const auto add = [&out](const std::string& what) { out += (out.empty() ? "" : ", ") + what; };
  if (u.button != Building::kNone) add("the " + std::string(kindOf(u.button).name) + " button");
  if (u.fromMissionTwo) add("from mission 2");
  if (u.pageArrows) add("the page arrows");
  if (u.whileSwitchedOn) add("while switched on");
  if (u.startsLocator) add("the locator");
  return out.empty() ? "nothing" : out;
}

// Every row with every value made from it, as the player meets it.
std::string listing() {
  std::ostringstream out;
  for (const BuildingKind& k : kBuildingKinds) {
    out << k.name << ": tag " << inQuotes(k.tag) << "\n";
    if (onPalette(k.kind)) {
      const PaletteSpot& b = k.palette;
      out << "  palette button " << rowOf(k.kind) << " on " << placeName(b.place) << " at "
          << b.left << "," << b.top << " side " << b.side
          << (b.hiddenAtStart ? ", hidden at the start" : "") << "\n";
      out << "  picture " << k.palettePicture << ", caption " << inQuotes(k.paletteLabel);
      if (k.captionShowsPrice) out << ", price";
      for (const std::string& amount : priceLines(k)) out << " " << amount;
      out << "\n";
      out << "  price " << amounts(k.price) << ", " << k.buildTicks << " build ticks\n";
    } else {
      out << "  not on the palette\n";
    }
    const Footprint& size = k.footprint;
    MapObject fresh;
    fitSlot(fresh, size);
    if (size.width != 0) out << "  size fixed";
    else out << "  size slot x " << size.widthScale << " x " << size.heightScale;
    out << ": " << fresh.width << " x " << fresh.height << "\n";
    out << "  on the map " << orNone(k.picture);
    if (*k.rollOutPicture) out << ", rolls out of the factory as " << k.rollOutPicture;
    out << ", tooltip " << inQuotes(k.tooltip) << ", cue " << orNone(k.cue) << "\n";
    if (k.inspectionName) {
      out << "  inspection " << inQuotes(k.inspectionName);
      for (const std::string& line : effectLines(k)) out << " / " << inQuotes(line);
      out << (k.powerSwitch ? ", power switch" : ", no power switch")
          << (k.ordersTanks ? ", tank orders" : "") << "\n";
    } else {
      out << "  no inspection\n";
    }
    out << "  each economy tick makes " << amounts(k.produces) << ", uses " << amounts(k.consumes)
        << "\n";
    out << (k.counted ? "  counted" : "  not counted") << (k.burnsWood ? ", burns wood" : "")
        << ", frames " << orNone(k.frames.phase1) << " " << orNone(k.frames.phase2) << "\n";
    out << "  unlocks " << unlocksText(k.unlocks) << "\n";
  }
  return out.str();
}

// After a deliberate change of the table, run with KREPOSTAN_UPDATE_EXPECTED=1 to store the
// new listing.
TEST(BuildingKinds, ListingMatchesTheStoredOne) {
  const std::string got = listing();
  expectStoredText("building_kinds_expected.txt", got);
}

std::vector<Building> playerKinds() {
  std::vector<Building> kinds;
  for (const BuildingKind& k : kBuildingKinds)
    if (onPalette(k.kind)) kinds.push_back(k.kind);
  return kinds;
}

class BuildingKindWalk : public GameTest, public ::testing::WithParamInterface<Building> {
 protected:
  std::vector<std::string> panel() {
    const Battlefield& f = game.battlefield();
    return {f.inspectedName.caption, f.inspectedEnergy.caption, f.inspectedMetal.caption,
            f.inspectedWood.caption};
  }
};

// Mission 2, where every unlock applies. Adding a kind is one row of the table and its
// pictures: this walk takes it from the palette to its first economy tick.
TEST_P(BuildingKindWalk, FromThePaletteToTheFirstEconomyTick) {
  const BuildingKind& kind = kindOf(GetParam());
  Battlefield& f = startLevel(2);
  // Economy and bot wait, so that one economy tick can be looked at on its own at the end.
  game.clock.setEnabled(kEconomyTimer, false);
  game.clock.setEnabled(kBotTimer, false);
  // The kind's palette button within the player's reach: the developer command shows the
  // hidden buttons and the page arrows, the next page holds the converter's.
  showHiddenPaletteButtons();
  if (kind.palette.place == PalettePlace::kPageTwo) nextPageClick(game);
  const bool rollsOut = *kind.rollOutPicture != '\0';
  if (rollsOut) {
    // The tank factory it leaves, inspected as the player does before ordering.
    const BuildingKind& factoryKind = kindOf(Building::kTankFactory);
    MapObject& factory = f.objects[1];
    fitSlot(factory, factoryKind.footprint);
    factory.kind = factoryKind.kind;
    factory.picture = factoryKind.picture;
    factory.left = 1000;
    factory.top = 1000;
    factory.shown = true;
    f.lastOrderedSlot = 1;
    objectClick(game, 1);
    ASSERT_TRUE(f.tankOrderPanel.visible);
  }
  // Ordered from the palette: paid, and the slot takes the kind's size.
  f.energy = f.metal = 20000;
  f.wood = 20000;
  platform.sounds.clear();
  orderItem(game, kind.kind);
  const int slot = f.lastOrderedSlot;
  // What the kind unlocks is hidden now, so that putting it down has to show it.
  const Unlocks& unlocks = kind.unlocks;
  if (unlocks.button != Building::kNone) f.paletteButton(unlocks.button).visible = false;
  f.nextPageArrow.visible = f.previousPageArrow.visible = false;
  MapObject& item = f.objects[slot];
  EXPECT_EQ(f.energy, 20000 - kind.price.energy);
  EXPECT_EQ(f.metal, 20000 - kind.price.metal);
  EXPECT_FLOAT_EQ(f.wood, static_cast<float>(20000 - kind.price.wood));
  MapObject fresh;
  fitSlot(fresh, kind.footprint);
  EXPECT_FLOAT_EQ(item.width, fresh.width);
  EXPECT_FLOAT_EQ(item.height, fresh.height);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{cue::kOrderTaken});

  // Construction: one tick of 100 ms per build tick on the game clock.
  advance(kind.buildTicks * 100 - 1);
  EXPECT_FALSE(f.readyIcon.visible);
  EXPECT_FALSE(item.shown);
  platform.sounds.clear();
  advance(1);
  std::vector<std::string> cues{cue::kWhoosh};
  if (rollsOut) {
    // The factory hands it over at once, standing below the factory.
    EXPECT_FALSE(f.readyIcon.visible);
    EXPECT_EQ(item.picture, kind.rollOutPicture);
    EXPECT_FLOAT_EQ(item.top, f.objects[1].bottom());
  } else {
    // The ready icon is taken, and the item put down on free ground.
    ASSERT_TRUE(f.readyIcon.visible);
    takeItem(game);
    EXPECT_TRUE(f.itemInHand);
    mapMouseMove(game, 0, 2500, 2500);
    mapClick(game);
    EXPECT_FALSE(f.placementPending);
    cues.push_back(cue::kClick);
    if (kind.cue) cues.push_back(kind.cue);
    EXPECT_EQ(item.picture, kind.picture);
    EXPECT_EQ(item.tooltip, kind.tooltip);
  }
  EXPECT_EQ(platform.soundNames(), cues);
  EXPECT_EQ(item.kind, kind.kind);
  EXPECT_TRUE(item.shown);
  EXPECT_EQ(item.border, 0);
  EXPECT_TRUE(f.markers[slot].shown);
  for (const BuildingKind& k : kBuildingKinds)
    EXPECT_EQ(f.working(k.kind), k.kind == kind.kind && kind.counted ? 1 : 0) << k.name;
  if (unlocks.button != Building::kNone) {
    EXPECT_TRUE(f.paletteButton(unlocks.button).visible);
  }
  EXPECT_EQ(f.nextPageArrow.visible, unlocks.pageArrows);
  EXPECT_EQ(f.previousPageArrow.visible, unlocks.pageArrows);
  EXPECT_EQ(f.locatorActive, unlocks.startsLocator);
  EXPECT_EQ(f.locatorBuilt, unlocks.startsLocator);

  // Clicked: the inspection panel names it and shows its effects, or keeps what it showed.
  const std::vector<std::string> before = panel();
  objectClick(game, slot);
  if (kind.inspectionName) {
    const auto lines = effectLines(kind);
    const std::vector<std::string> expected{kind.inspectionName, lines[0], lines[1], lines[2]};
    EXPECT_EQ(panel(), expected);
    EXPECT_EQ(f.powerSwitch.visible, kind.powerSwitch);
  } else {
    EXPECT_EQ(panel(), before);
  }
  if (kind.ordersTanks) {
    EXPECT_TRUE(f.tankOrderPanel.visible);
    EXPECT_EQ(game.factorySlot, slot);
  }
  EXPECT_EQ(game.tankSelected, kind.kind == Building::kTank);

  // One economy tick: the headquarters' income plus what the kind makes, less what it uses.
  const Resources& hq = kindOf(Building::kHeadquarters).produces;
  f.energy = f.metal = 20000;
  f.wood = 20000;
  economyTick(game);
  EXPECT_EQ(f.energy, 20000 + hq.energy + kind.produces.energy - kind.consumes.energy);
  EXPECT_EQ(f.metal, 20000 + hq.metal + kind.produces.metal - kind.consumes.metal);
  EXPECT_FLOAT_EQ(f.wood,
                  static_cast<float>(20000 + hq.wood + kind.produces.wood - kind.consumes.wood));
}

INSTANTIATE_TEST_SUITE_P(EveryPlayerKind, BuildingKindWalk, ::testing::ValuesIn(playerKinds()),
                         [](const auto& info) {
                           std::string name = kindOf(info.param).name;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace kr::test
