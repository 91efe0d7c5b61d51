// The texts made from a kind's row, and its size on the map.
#include "model/core/building_kinds.h"

#include "model/core/world.h"
#include "model/text.h"

namespace kr {

namespace {

// "+20", "-50", or "--" when the kind neither makes nor uses the resource.
std::string effect(std::int32_t made, std::int32_t used) {
  const std::int32_t net = made - used;
  if (net > 0) return "+" + std::to_string(net);
  if (net < 0) return std::to_string(net);
  return text::kNoEffect;
}

}  // namespace

std::vector<std::string> priceLines(const BuildingKind& kind) {
  if (!kind.captionShowsPrice) return {};
  const Resources& p = kind.price;
  return {fillIn(text::kEnergyPrice, {std::to_string(p.energy)}),
          fillIn(text::kMetalPrice, {std::to_string(p.metal)}),
          fillIn(text::kWoodPrice, {std::to_string(p.wood)})};
}

std::array<std::string, 3> effectLines(const BuildingKind& kind) {
  const Resources& made = kind.produces;
  const Resources& used = kind.consumes;
  return {fillIn(text::kEffectEnergy, {effect(made.energy, used.energy)}),
          fillIn(text::kEffectMetal, {effect(made.metal, used.metal)}),
          fillIn(text::kEffectWood, {effect(made.wood, used.wood)})};
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
