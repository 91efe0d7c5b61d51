// Takes the pictures of docs/screenshots/ from the game's own windows on Qt's offscreen
// platform: the main menu, the briefing of mission 1 with its terrain laid out, and a
// built-up base on the battlefield.
//
//     take_screenshots OUTPUT_FOLDER      (scripts/screenshots.sh runs it)
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "model/core/building_kinds.h"
#include "model/core/placement.h"
#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "ui/application.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/game_ui.h"
#include "ui/platform/qt_platform.h"
#include "ui/shell/briefing_window.h"
#include "ui/shell/main_menu_window.h"

namespace kr {
namespace {

// Runs the game clock a frame at a time until done() holds, at most `ms` of game time.
template <class Done>
bool runUntil(GameUi& ui, Millis ms, Done done) {
  for (Millis t = 0; t < ms && !done(); t += 16) ui.advanceBy(16);
  return done();
}

bool save(QWidget* window, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromUtf8(name));
  if (window == nullptr || !window->grab().save(path)) {
    std::fprintf(stderr, "take_screenshots: could not take %s\n", name);
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// Buildings of every kind around the headquarters, put down as the player would have them
// after a while: each working, the locator opening the minimap, the palette grown with them.
void buildBase(Game& g) {
  struct Placed {
    Building kind;
    float left, top;
  };
  const Placed base[] = {
      {Building::kAccumulator, 260, 50}, {Building::kAccumulator, 330, 50},
      {Building::kAccumulator, 400, 50}, {Building::kAccumulator, 470, 50},
      {Building::kMetalWorks, 260, 130}, {Building::kMetalWorks, 350, 130},
      {Building::kWoodWorks, 450, 130},  {Building::kConverter, 560, 60},
      {Building::kLocator, 60, 260},     {Building::kTankFactory, 170, 250},
      {Building::kAccumulator, 60, 380}, {Building::kAccumulator, 130, 380},
      {Building::kMetalWorks, 300, 260}, {Building::kWoodWorks, 400, 260},
  };
  Battlefield& f = g.battlefield();
  int slot = 0;
  for (const Placed& p : base) {
    const BuildingKind& k = kindOf(p.kind);
    MapObject& o = f.objects[static_cast<std::size_t>(++slot)];
    o.left = p.left;
    o.top = p.top;
    fitSlot(o, k.footprint);
    putBuildingDown(g, slot, k);
    f.markers[static_cast<std::size_t>(slot)] = {o.left, o.top, true};
    f.objectChanged(slot);
  }
  f.lastOrderedSlot = slot;
}

int takeScreenshots(const QDir& folder) {
  setUpApplication();
  installQtRussian();
  QtPlatform platform(QStringLiteral(KREPOSTAN_PROGRAM_DIR));
  Game game(platform);
  GameUi ui(game, /*realTime=*/false);

  ui.input([&game] { startUp(game); });
  bool ok = save(ui.mainMenu(), folder, "main_menu.png");

  // The whole briefing typed, the terrain laid out and a name typed in.
  ui.input([&game] { newGameClick(game); });
  ok &= runUntil(ui, 120000, [&game] {
    const Briefing& b = game.briefing();
    return static_cast<std::size_t>(b.textPos) >= b.briefText.size() && !b.paused;
  });
  ui.input([&game] { loadClick(game); });
  ok &= runUntil(ui, 120000, [&game] { return game.briefing().startButton.visible; });
  ui.input([&game] { nickChange(game, "Игрок"); });
  ok &= save(ui.briefing(), folder, "briefing.png");

  ui.input([&game] {
    startClick(game);
    buildBase(game);
  });
  runUntil(ui, 20000, [] { return false; });  // the stocks grow for a while
  ok &= save(ui.battlefield(), folder, "battlefield.png");
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace kr

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  return kr::takeScreenshots(QDir(QString::fromLocal8Bit(argv[1])));
}
