// Clicking a map object: health bar, inspection panel, tank selection; the power switch.
#include "model/core/inspection.h"

#include <array>
#include <charconv>

#include "model/core/building_kinds.h"
#include "model/core/counters.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/texts.h"

namespace kr {

namespace {

// A health value as a plain number: 100, 99.5.
std::string plainNumber(double v) {
  std::array<char, 32> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), res.ptr);
}

}  // namespace

void objectClick(Game& g, int i) {
  if (!canClickObject(g, i)) return;
  if (i < 0 || i > kLastSlot) return;
  Battlefield& f = g.battlefield();
  const MapObject& o = f.objects[static_cast<std::size_t>(i)];
  g.playCue(cue::kClick);

  // The health bar, 5 below the object.
  f.healthBarFrame.width = o.width;
  f.healthBarFrame.left = o.left;
  f.healthBarFrame.top = o.top + o.height + 5;
  f.healthBar.left = f.healthBarFrame.left;
  f.healthBar.top = f.healthBarFrame.top;
  f.healthLabel.left = f.healthBarFrame.left;
  f.healthLabel.top = f.healthBarFrame.top;
  f.healthLabel.width = f.healthBarFrame.width;
  f.selectedHealth = static_cast<float>(f.health[static_cast<std::size_t>(i)]);
  f.healthLabel.caption = plainNumber(f.health[static_cast<std::size_t>(i)]) + " %";
  f.healthBar.visible = true;
  f.healthBarFrame.visible = true;
  f.healthLabel.visible = true;

  // The effect lines and the power switch: the player's buildings and headquarters.
  const BuildingKind* kind = kindAt(o.kind);
  if (kind && kind->inspectionName && i < kFirstEnemySlot) {
    f.inspectedEnergy.visible = true;
    f.inspectedMetal.visible = true;
    f.inspectedWood.visible = true;
    f.powerSwitch.visible = true;
  }
  g.selectedSlot = i;

  // Kinds without an inspection name (tanks, the enemy's, empty slots) leave the panel as
  // it was.
  if (kind && kind->inspectionName) {
    const auto lines = effectLines(*kind);
    f.inspectedName.caption = kind->inspectionName;
    f.inspectedEnergy.caption = lines[0];
    f.inspectedMetal.caption = lines[1];
    f.inspectedWood.caption = lines[2];
    if (!kind->powerSwitch) f.powerSwitch.visible = false;
    if (kind->ordersTanks) {
      f.tankOrderPanel.visible = true;
      g.factorySlot = i;
    }
  }
  f.powerSwitch.caption =
      f.powered[static_cast<std::size_t>(i)] == Power::kOn ? text::kSwitchOff : text::kSwitchOn;
  g.tankSelected = o.kind == Building::kTank;
}

void powerSwitchClick(Game& g) {
  if (!canClick(g, &Battlefield::powerSwitch, &Battlefield::inspectionFrame)) return;
  Battlefield& f = g.battlefield();
  const int s = g.selectedSlot;
  if (s < 0 || s > kLastSlot) return;
  Power& powered = f.powered[static_cast<std::size_t>(s)];
  const bool switchingOff = powered == Power::kOn;
  powered = switchingOff ? Power::kOff : Power::kOn;
  f.powerSwitch.caption = switchingOff ? text::kSwitchOn : text::kSwitchOff;
  const BuildingKind* kind = kindAt(f.objects[static_cast<std::size_t>(s)].kind);
  if (!kind) return;
  countBuilding(f, *kind, switchingOff ? -1 : 1);
  const Unlocks& u = kind->unlocks;
  if (u.whileSwitchedOn) {
    f.paletteButton(u.button).visible = !switchingOff;
  }
  if (u.startsLocator) {
    f.locatorActive = !switchingOff;
    if (!switchingOff) g.playCue(cue::kRadar);
  }
}

}  // namespace kr
