// Loading the battlefield window: timers as stored, level setup, layout, enemy headquarters.
#include "model/core/level_setup.h"

#include <cmath>

#include "model/battlefield/animation.h"
#include "model/battlefield/curtain.h"
#include "model/battlefield/movement.h"
#include "model/battlefield/navigation.h"
#include "model/bot/bot.h"
#include "model/comm/chat.h"
#include "model/comm/network.h"
#include "model/core/construction.h"
#include "model/core/economy.h"
#include "model/core/palette.h"
#include "model/core/placement.h"
#include "model/game.h"
#include "model/shell/main_menu.h"

namespace kr {

namespace {

void registerTimers(Game& g, Form1& f) {
  Clock& c = g.clock;
  Form1Timers& t = f.timers;
  t.Timer1 = c.add("Timer1", 500, true, [&g] { economyTick(g); });
  t.Timer2 = c.add("Timer2", 200, true, [&g] { animationTick(g, 1); });
  t.Timer3 = c.add("Timer3", 200, true, [&g] { animationTick(g, 2); });
  t.Timer5 = c.add("Timer5", 100, false, [&g] { constructionTick(g); });
  t.Timer6 = c.add("Timer6", 100, false, [&g] { movementTick(g); });
  t.Timer7 = c.add("Timer7", 5000, false, [&g] { chatTimerTick(g); });
  t.Timer8 = c.add("Timer8", 1, true, [&g] { resourceDisplayTick(g); });
  t.Timer9 = c.add("Timer9", 1, true, [&g] { navigationTick(g); });
  t.Bot = c.add("Bot", 3000, false, [&g] { botTurn(g); });
  t.BarTimer = c.add("BarTimer", 10, true, [&g] { barsTick(g); });
  t.BuildKnopka = c.add("BuildKnopka", 150, false, [&g] { arrowReleaseTick(g); });
  t.ZaslonkaTmr = c.add("ZaslonkaTmr", 1, false, [&g] { curtainTick(g); });
}

// Adds or takes the pull-back at the far edge for one coordinate.
float enemyHqCoordinate(float d, float farPullBack) {
  float c = d < 0.3f ? d * 18000.0f : d * 10000.0f - 4200.0f;
  if (d > 0.3f && d < 0.6f) c = d * 10000.0f;
  if (d > 0.6f) c = d * 10000.0f - 4200.0f;
  if (c < 1000.0f) c += 1600.0f;
  if (c > kMapWidth - 500.0f) c -= farPullBack;
  return c;
}

}  // namespace

float enemyHqLeft(float d) { return enemyHqCoordinate(d, 1500.0f); }
float enemyHqTop(float d) { return enemyHqCoordinate(d, 2000.0f); }

void form1Load(Game& g) {
  Form1& f = g.form1();
  registerTimers(g, f);
  levelSetup(g);
}

void form1Unload(Game& g) {
  g.playCue("Pus.smus");
  g.unloadNotePad();
  closeSockets(g);
}

void form1Closed(Game& g) {
  g.playCue("Pus.smus");
  g.end();
}

void layoutBattlefield(Game& g) {
  Form1& f = g.form1();
  const float sw = static_cast<float>(g.ScreenWidth);
  const float sh = static_cast<float>(g.ScreenHeight);
  const float fullH = static_cast<float>(g.FullScreenHeight);
  f.Map.left = sw - f.Map.width;
  f.Builder.left = sw - f.Builder.width - f.Map.width;
  f.Resources.left = f.Builder.left;
  f.OZdaFr.left = f.Builder.left;
  f.OZdaFr.height = fullH - f.Builder.height - f.Resources.height;
  f.chatText.top = fullH - f.chatText.height;
  f.chat.top = sh - f.chat.height - f.chatText.height;
  f.chatText.width = sw - f.Builder.width - f.Map.width - f.chatText.left;
  f.chat.width = sw - f.Builder.width - f.Map.width - f.chat.left;
}

void levelSetup(Game& g) {
  Form1& f = g.form1();
  Platform& p = g.platform;
  Clock& c = g.clock;

  f.LocatorActive = false;
  c.setEnabled(f.timers.Timer1, false);

  p.seedRandom(p.defaultSeed());
  p.seedRandom(p.secondsSinceMidnight());

  mapClick(g);
  f.TankBui.visible = false;
  f.picture1.width = kMapWidth;
  f.picture1.height = kMapHeight;

  const float r = p.random();
  c.setInterval(f.timers.Bot, static_cast<int>(std::nearbyint((r * 10.0f + 10.0f) * 1000.0f)));
  if (g.LevelNumber > 1 && g.LevelNumber < 100) {
    c.setEnabled(f.timers.Bot, true);
    f.Baza[kEnemyHq].shown = true;
  }

  f.BazaMap[0].left = f.Baza[0].left;
  f.BazaMap[0].top = f.Baza[0].top;
  f.ConstructionTotal = 100;
  f.HealthMax = 100;

  // The minimap works in map coordinates; its frame is the part of the map on screen.
  f.MapKursor.height = static_cast<float>(g.ScreenHeight);
  f.MapKursor.width = static_cast<float>(g.ScreenWidth) - f.Resources.width - f.Map.width;
  f.Image1.width = kMapWidth;
  f.Image1.height = kMapHeight;

  f.ViewX = 0;
  f.ViewY = 0;
  f.picture1.left = 0;
  f.picture1.top = 0;
  f.PalettePage = 1;

  if (g.LevelNumber == 1) {
    g.MissionGoalText = "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.";
    f.build[kLocator].visible = false;
    f.build[kTankFactory].visible = false;
  } else if (g.LevelNumber == 2) {
    g.MissionGoalText = "Цели миссии: Уничтожить подступающего к Королевству противника.";
  }

  f.LocatorBuilt = false;
  f.LocatorActive = false;
  g.DeveloperMode = false;

  makeTranslucent(g, 200);
  g.MusicPath = g.programFile("in_your_face.mp3");
  f.window.enabled = true;

  f.BuildKind = -1;
  f.AccumulatorCount = 0;
  f.MetalWorksCount = 0;
  f.WoodWorksCount = 0;
  f.TankFactoryCount = 0;
  f.ConverterCount = 0;
  f.Energy = 1500;
  f.Metal = 1500;
  f.Wood = 1500;

  f.ObjectSlotCount = kObjectSlotCount;
  f.ObjectHealth.assign(kSlots, 0.0);
  f.ObjectHealth[0] = 100;
  f.ObjectPowered.assign(kSlots, -1);
  for (int i = 1; i <= kObjectSlotCount; ++i) {
    f.Baza[i].shown = false;
    f.BazaMap[i].shown = false;
    f.ObjectPowered[i] = 1;
    f.ObjectHealth[i] = 100;
  }
  f.LastSlot = 0;

  layoutBattlefield(g);
  f.ItemInHand = false;
  f.PlacementPending = false;
  f.LocatorActive = false;

  if (g.LevelNumber <= 1) return;

  MapObject& hq = f.Baza[kEnemyHq];
  hq.shown = true;
  const float x = p.random();
  const float y = p.random();
  hq.left = enemyHqLeft(x);
  hq.top = enemyHqTop(y);
  f.BazaMap[kEnemyHq] = Marker{hq.left, hq.top, true};
  g.EnemyBuildStep = 1;
}

}  // namespace kr
