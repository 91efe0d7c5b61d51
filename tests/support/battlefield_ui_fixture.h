// A mission-2 battlefield shown offscreen on the fake platform, for window tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/game_ui.h"

namespace kr::test {

class BattlefieldUiTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};
  Battlefield& f = startLevel();
  GameUi ui{game, /*realTime=*/false};

  Battlefield& startLevel() {
    game.levelNumber = 2;
    game.load<MainMenu>();
    game.unload<MainMenu>();
    Battlefield& world = game.load<Battlefield>();
    world.window.visible = true;
    return world;
  }
  void SetUp() override { ui.sync(); }
  BattlefieldWindow* window() const { return ui.battlefield(); }
  MapView* map() const { return window()->mapView(); }
  // Lets Qt deliver what is pending: repaints above all.
  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
};

// The region a widget painted while the filter was on it.
class PaintWatch : public QObject {
 public:
  QRegion region;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

}  // namespace kr::test
