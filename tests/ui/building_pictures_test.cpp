// The building kinds' pictures: catalogued, and fit for the places the game draws them in.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "ui/sprites/sprite_catalog.h"
#include "ui/sprites/sprite_store.h"

namespace kr::test {
namespace {

using kr::sprites::Kind;

// One place a picture of the table is drawn: on the map at the kind's size, or on its
// palette button, where the picture gets a square.
struct PictureUse {
  std::string what;
  std::string name;
  float width;
  float height;
  std::vector<Kind> fitting;  // the catalogue kinds that draw right there
};

std::vector<PictureUse> pictureUses() {
  std::vector<PictureUse> uses;
  for (const BuildingKind& k : kBuildingKinds) {
    MapObject fresh;
    fitSlot(fresh, k.footprint);
    // A tank drives over the ground and shows it around its hull; a building fills its
    // rectangle.
    const Kind onMap = k.kind == Building::kTank ? Kind::Tank : Kind::Building;
    const auto onTheMap = [&](const char* role, const char* name) {
      if (!name || !*name) return;
      uses.push_back({std::string(k.name) + ", " + role, name, fresh.width, fresh.height, {onMap}});
    };
    onTheMap("standing", k.picture);
    onTheMap("rolling out", k.rollOutPicture);
    onTheMap("frame 1", k.frames.phase1);
    onTheMap("frame 2", k.frames.phase2);
    if (onPalette(k.kind)) {
      uses.push_back({std::string(k.name) + ", palette button",
                      k.palettePicture,
                      1,
                      1,
                      {Kind::Building, Kind::Button}});
    }
  }
  return uses;
}

TEST(BuildingPictures, CataloguedOfAFittingKindAndDrawnWithoutLosingTheirShape) {
  SpriteStore& store = SpriteStore::instance();
  for (const PictureUse& use : pictureUses()) {
    SCOPED_TRACE(use.what + ": " + use.name);
    const auto* info = kr::sprites::findSprite(use.name);
    ASSERT_NE(info, nullptr) << "not in the sprite catalogue";
    EXPECT_TRUE(store.has(QString::fromStdString(use.name)));
    bool fits = false;
    for (Kind k : use.fitting) fits = fits || info->kind == k;
    EXPECT_TRUE(fits) << "a picture of the wrong kind for its place";
    // Stretched to the place, the picture keeps its proportions within a tenth.
    const double drawn = static_cast<double>(use.width) / use.height;
    const double made = static_cast<double>(info->width) / info->height;
    EXPECT_LT(std::abs(made / drawn - 1), 0.1) << "made " << info->width << " x " << info->height
                                               << ", drawn at " << use.width << " x " << use.height;
  }
}

}  // namespace
}  // namespace kr::test
