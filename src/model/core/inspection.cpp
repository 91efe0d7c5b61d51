// Clicking a map object: health bar, inspection panel, tank selection; the power switch.
#include "model/core/inspection.h"

#include <array>
#include <charconv>
#include <string_view>

#include "model/cues.h"
#include "model/core/counters.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

namespace {

// What the inspection panel shows for the player's buildings.
struct Description {
  std::string_view tag;
  const char* name;
  std::array<const char*, 3> effects;  // energy, metal, wood
};

const std::array<Description, 7> kDescriptions{{
    {"baza", "Строительный комплекс", {"Энергия: +1", "Металл: +1", "Дерево: +1"}},
    {"elek", "Аккумулятор", {"Энергия: +20", "Металл: --", "Дерево: --"}},
    {"meta", "Металло-переработка", {"Энергия: -50", "Металл: +30", "Дерево: --"}},
    {"dere", "Дерево-переработка", {"Энергия: -10", "Металл: --", "Дерево: +10"}},
    {"loca", "Локатор", {"Энергия: -30", "Металл: --", "Дерево: --"}},
    {"taza", "Танковый завод", {"Энергия: -120", "Металл: -10", "Дерево: --"}},
    {"konv", "Конвертер", {"Энергия: +300", "Металл: --", "Дерево: -70"}},
}};

const Description* describe(const std::string& tag) {
  for (const Description& d : kDescriptions)
    if (d.tag == tag) return &d;
  return nullptr;
}

// A health value as a plain number: 100, 99.5.
std::string plainNumber(double v) {
  std::array<char, 32> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), res.ptr);
}

}  // namespace

void objectClick(Game& g, int i) {
  if (!canClickObject(g, i)) return;
  if (i < 0 || i > kObjectSlotCount) return;
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

  if (!o.tag.empty() && o.tag != "tank" && i < kFirstEnemySlot) {
    f.inspectedEnergy.visible = true;
    f.inspectedMetal.visible = true;
    f.inspectedWood.visible = true;
    f.powerSwitch.visible = true;
  }
  g.selectedSlot = i;

  // Other tags (tanks, the enemy's, empty slots) leave the panel as it was.
  if (const Description* d = describe(o.tag)) {
    f.inspectedName.caption = d->name;
    f.inspectedEnergy.caption = d->effects[0];
    f.inspectedMetal.caption = d->effects[1];
    f.inspectedWood.caption = d->effects[2];
    if (o.tag == "baza") f.powerSwitch.visible = false;
    if (o.tag == "taza") {
      f.tankOrderPanel.visible = true;
      g.factorySlot = i;
    }
  }
  f.powerSwitch.caption = f.powered[static_cast<std::size_t>(i)] == 1 ? "Отключить" : "Включить";
  g.tankSelected = o.tag == "tank";
}

void powerSwitchClick(Game& g) {
  if (!canClick(g, &Battlefield::powerSwitch, &Battlefield::inspectionFrame)) return;
  Battlefield& f = g.battlefield();
  const int s = g.selectedSlot;
  if (s < 0 || s > kObjectSlotCount) return;
  int& powered = f.powered[static_cast<std::size_t>(s)];
  const std::string& tag = f.objects[static_cast<std::size_t>(s)].tag;
  const bool switchingOff = powered == 1;
  powered = switchingOff ? 0 : 1;
  f.powerSwitch.caption = switchingOff ? "Включить" : "Отключить";
  countBuilding(f, tag, switchingOff ? -1 : 1);
  if (tag == "taza") f.paletteButtons[kTankFactory].visible = !switchingOff;
  if (tag == "loca") {
    f.locatorActive = !switchingOff;
    if (!switchingOff) g.playCue(cue::kRadar);
  }
}

}  // namespace kr
