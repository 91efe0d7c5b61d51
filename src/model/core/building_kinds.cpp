// Looking kinds up by palette button and by tag, and the texts made from a kind's row.
#include "model/core/building_kinds.h"

namespace kr {

namespace {

// The player's kinds stand first in palette order, each tag names one kind.
constexpr bool wellOrdered() {
  for (std::size_t i = 0; i < kBuildingKinds.size(); ++i) {
    const int expected = i < kPaletteItems ? static_cast<int>(i) : -1;
    if (kBuildingKinds[i].paletteIndex != expected) return false;
    for (std::size_t j = 0; j < i; ++j)
      if (kBuildingKinds[i].tag == kBuildingKinds[j].tag) return false;
  }
  return true;
}
static_assert(wellOrdered());

// "+20", "-50", or "--" when the kind neither makes nor uses the resource.
std::string effect(std::int32_t made, std::int32_t used) {
  const std::int32_t net = made - used;
  if (net > 0) return "+" + std::to_string(net);
  if (net < 0) return std::to_string(net);
  return text::kNoEffect;
}

}  // namespace

const BuildingKind* paletteKind(int index) {
  if (index < 0 || index >= kPaletteItems) return nullptr;
  return &kBuildingKinds[static_cast<std::size_t>(index)];
}

const BuildingKind* kindOfTag(std::string_view tag) {
  for (const BuildingKind& k : kBuildingKinds)
    if (tag == k.tag) return &k;
  return nullptr;
}

std::string paletteCaption(const BuildingKind& kind) {
  std::string caption = kind.paletteLabel;
  if (kind.captionShowsPrice) {
    caption += text::kPriceEnergy + std::to_string(kind.price.energy) + text::kPriceMetal +
               std::to_string(kind.price.metal) + text::kPriceWood +
               std::to_string(kind.price.wood);
  }
  return caption;
}

std::array<std::string, 3> effectLines(const BuildingKind& kind) {
  const Resources& made = kind.produces;
  const Resources& used = kind.consumes;
  return {text::kEffectEnergy + effect(made.energy, used.energy),
          text::kEffectMetal + effect(made.metal, used.metal),
          text::kEffectWood + effect(made.wood, used.wood)};
}

void fitSlot(MapObject& slot, const Footprint& footprint) {
  if (footprint.width != 0) {
    slot.width = footprint.width;
    slot.height = footprint.height;
  } else {
    slot.width *= footprint.widthScale;
    slot.height *= footprint.heightScale;
  }
}

}  // namespace kr
