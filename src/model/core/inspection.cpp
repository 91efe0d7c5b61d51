// Clicking a map object: health bar, inspection panel, tank selection; the power switch.
#include "model/core/inspection.h"

#include <array>
#include <charconv>
#include <string_view>

#include "model/core/counters.h"
#include "model/game.h"

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
  if (i < 0 || i > kObjectSlotCount) return;
  Form1& f = g.form1();
  const MapObject& o = f.Baza[static_cast<std::size_t>(i)];
  g.playCue("Click.smus");

  // The health bar, 5 below the object.
  f.ObZdor.width = o.width;
  f.ObZdor.left = o.left;
  f.ObZdor.top = o.top + o.height + 5;
  f.ZdorBar.left = f.ObZdor.left;
  f.ZdorBar.top = f.ObZdor.top;
  f.ZdorLbl.left = f.ObZdor.left;
  f.ZdorLbl.top = f.ObZdor.top;
  f.ZdorLbl.width = f.ObZdor.width;
  f.SelectedHealth = static_cast<float>(f.ObjectHealth[static_cast<std::size_t>(i)]);
  f.ZdorLbl.caption = plainNumber(f.ObjectHealth[static_cast<std::size_t>(i)]) + " %";
  f.ZdorBar.visible = true;
  f.ObZdor.visible = true;
  f.ZdorLbl.visible = true;

  if (!o.tag.empty() && o.tag != "tank" && i < kFirstEnemySlot) {
    f.ZdaEn.visible = true;
    f.ZdaMet.visible = true;
    f.ZdaDer.visible = true;
    f.Pitanie.visible = true;
  }
  g.SelectedIndex = i;

  // Other tags (tanks, the enemy's, empty slots) leave the panel as it was.
  if (const Description* d = describe(o.tag)) {
    f.OzDa.caption = d->name;
    f.ZdaEn.caption = d->effects[0];
    f.ZdaMet.caption = d->effects[1];
    f.ZdaDer.caption = d->effects[2];
    if (o.tag == "baza") f.Pitanie.visible = false;
    if (o.tag == "taza") {
      f.TankBui.visible = true;
      g.FactorySlot = i;
    }
  }
  f.Pitanie.caption = f.ObjectPowered[static_cast<std::size_t>(i)] == 1 ? "Отключить" : "Включить";
  g.TankSelected = o.tag == "tank";
}

void powerSwitchClick(Game& g) {
  Form1& f = g.form1();
  const int s = g.SelectedIndex;
  if (s < 0 || s > kObjectSlotCount) return;
  int& powered = f.ObjectPowered[static_cast<std::size_t>(s)];
  const std::string& tag = f.Baza[static_cast<std::size_t>(s)].tag;
  const bool switchingOff = powered == 1;
  powered = switchingOff ? 0 : 1;
  f.Pitanie.caption = switchingOff ? "Включить" : "Отключить";
  countBuilding(f, tag, switchingOff ? -1 : 1);
  if (tag == "taza") f.build[kTankFactory].visible = !switchingOff;
  if (tag == "loca") {
    f.LocatorActive = !switchingOff;
    if (!switchingOff) g.playCue("locator.smus");
  }
}

}  // namespace kr
