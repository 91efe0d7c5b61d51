// Wake-ups of the real-time program: none while nothing could show, and a wake-up that
// redraws only what the game's timers changed still leaves the map as a fresh paint draws it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "model/battlefield/navigation.h"
#include "model/battlefield/pointer.h"
#include "model/core/building_kinds.h"
#include "model/core/economy.h"
#include "model/core/inspection.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/main_menu.h"
#include "support/battlefield_ui_fixture.h"
#include "support/fake_platform.h"
#include "ui/battlefield/map_painter.h"
#include "ui/battlefield/map_view.h"
#include "ui/game_ui.h"

namespace kr::test {
namespace {

TEST(RealTimeWakeUps, NoneIsSetAtTheMainMenuAndOneIsOnTheBattlefield) {
  FakePlatform platform;
  Game game(platform);
  GameUi ui(game, /*realTime=*/true);
  ui.input([&] { startUp(game); });
  EXPECT_FALSE(ui.wakeScheduled());
  ui.input([&] { aboutClick(game); });
  EXPECT_FALSE(ui.wakeScheduled());
  ui.input([&] {
    game.levelNumber = 1;
    game.load<Battlefield>().window.show();
    game.clock.setEnabled(kEconomyTimer, true);
  });
  EXPECT_TRUE(ui.wakeScheduled());
}

class WakeUpTest : public BattlefieldUiTest {
 protected:
  // What one wake-up does after the game clock has moved on by ms.
  void wakeUpAfter(Millis ms) {
    game.clock.advanceBy(ms);
    ui.syncChanged();
    settle();
  }
  // The pixels where the map view's drawing differs from a fresh painter's.
  int differencesFromAFreshPaint() {
    const QImage shown = map()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage fresh(map()->size(), QImage::Format_RGB32);
    QPainter p(&fresh);
    MapPainter().paint(p, f, fresh.rect());
    p.end();
    int count = 0;
    for (int y = 0; y < fresh.height(); ++y)
      for (int x = 0; x < fresh.width(); ++x) count += shown.pixel(x, y) != fresh.pixel(x, y);
    return count;
  }
};

TEST_F(WakeUpTest, AWakeUpRepaintsTheSlotsItsTimersChangedAndNothingElse) {
  f.objects[5] = MapObject{Building::kMetalWorks, 400, 300, 63.7f, 58.8f, "metzavod", true, {}, 0};
  f.objects[6] = MapObject{Building::kAccumulator, 600, 300, 49, 49, "akum", true, {}, 0};
  ui.sync();
  settle();
  PaintWatch watch;
  map()->installEventFilter(&watch);
  wakeUpAfter(200);  // the metal works takes its other picture, the accumulator has none
  EXPECT_NE(f.objects[5].picture, "metzavod");
  EXPECT_EQ(watch.region.boundingRect(), QRect(400, 300, 64, 59));
  map()->removeEventFilter(&watch);
}

TEST_F(WakeUpTest, AfterWakeUpsTheMapEqualsAFreshPaint) {
  f.terrainTile = "Piclevel2";
  for (int y = 0; y < 6000; y += 600)
    for (int x = 0; x < 6000; x += 600) f.terrainTiles.push_back({x, y});
  for (int i = 1; i <= 30; ++i)
    f.objects[static_cast<std::size_t>(i)] =
        MapObject{i % 2 ? Building::kMetalWorks : Building::kAccumulator,
                  100.0f + static_cast<float>(i % 6) * 90,
                  100.0f + static_cast<float>(i / 6) * 90,
                  i % 2 ? 63.7f : 49,
                  i % 2 ? 58.8f : 49,
                  i % 2 ? "metzavod" : "akum",
                  true,
                  {},
                  0};
  f.objects[31] = MapObject{Building::kTank, 300, 700, 40, 92, "tankvverh", true, {}, 0};
  f.locatorBuilt = true;
  ui.input([&] { objectClick(game, 31); });
  ui.input([&] { mapMouseDown(game, 1, 700, 200); });
  ASSERT_EQ(differencesFromAFreshPaint(), 0) << "first frame";

  struct Step {
    const char* name;
    Point cursor;
    Millis after;
  };
  const Step steps[] = {
      {"the tank drives over the works, which blink", {500, 500}, 900},
      {"scrolled right", {1275, 500}, 48},
      {"scrolled down", {500, 1010}, 32},
      {"the tank drives on", {500, 500}, 1000},
  };
  for (const Step& s : steps) {
    platform.cursor = s.cursor;
    wakeUpAfter(s.after);
    EXPECT_EQ(differencesFromAFreshPaint(), 0) << s.name;
  }
}

}  // namespace
}  // namespace kr::test
