// One full battlefield frame at 1920 × 1080 beside one plain full-screen image blit, both
// timed in the same run on the same kind of image: the frame with the ground kept, and the
// frame right after an animation phase, when every factory in view takes its other picture
// and what they cover is repainted.
// The argument is the number of the player's buildings on the map.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <ctime>

#include "model/battlefield/keys.h"
#include "model/battlefield/navigation.h"
#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "support/built_base.h"
#include "support/fake_platform.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/battlefield/map_painter.h"
#include "ui/game_ui.h"
#include "ui/widgets/rect_union.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A built-up mission-2 base filling the visible strip: `buildings` of the player's
// buildings (300 fill it), 9 of the enemy's, the enemy headquarters and tanks, all in view,
// on level-1 terrain.
void buildBase(kr::Game& g, int buildings) {
  kr::Battlefield& f = g.load<kr::Battlefield>();
  kr::test::paintTerrain(f, 1);
  kr::scrollViewTo(f, 800, 700);

  using kr::Building;
  using kr::test::standingBuilding;
  const kr::MapObject kinds[] = {
      standingBuilding(Building::kAccumulator), standingBuilding(Building::kMetalWorks, 2),
      standingBuilding(Building::kWoodWorks),   standingBuilding(Building::kConverter),
      standingBuilding(Building::kAccumulator), standingBuilding(Building::kWoodWorks, 2),
      standingBuilding(Building::kConverter),   standingBuilding(Building::kMetalWorks)};
  const float stripRight = f.viewX + kWidth - f.buildFrame.width - f.minimapFrame.width;
  float x = f.viewX + 5;
  float y = f.viewY + 5;
  float rowHeight = 0;
  int slot = 1;
  const auto put = [&](int i, kr::MapObject o) {
    if (x + o.width > stripRight) {
      x = f.viewX + 5;
      y += rowHeight + 10;
      rowHeight = 0;
    }
    o.left = x;
    o.top = y;
    f.objects[static_cast<std::size_t>(i)] = o;
    x += o.width + 10;
    rowHeight = std::max(rowHeight, o.height);
  };
  if (buildings >= 1) put(slot++, standingBuilding(Building::kTankFactory));
  if (buildings >= 2) put(slot++, standingBuilding(Building::kLocator));
  for (; slot <= buildings; ++slot) put(slot, kinds[slot % 8]);
  for (int i = 0; i < 9; ++i)
    put(301 + i,
        standingBuilding(i % 2 ? Building::kEnemyAccumulator : Building::kEnemyMetalWorks));
  put(kr::kEnemyHq, standingBuilding(Building::kEnemyHeadquarters));

  // Tanks drive over the base, one of each heading.
  const kr::TankHeading tanks[] = {kr::kTankUp, kr::kTankRight, kr::kTankUpRight,
                                   kr::kTankDownLeft};
  for (int i = 0; i < 4; ++i) {
    kr::MapObject& t = f.objects[static_cast<std::size_t>(311 + i)];
    t = kr::MapObject{kr::Building::kTank,
                      f.viewX + 300 + 250.0f * i,
                      f.viewY + 400,
                      tanks[i].width,
                      tanks[i].height,
                      tanks[i].picture,
                      true,
                      {},
                      0};
  }
  // The inspected building's health bar and a selection being dragged.
  f.healthBarFrame = kr::Control::at(f.objects[1].left, f.objects[1].bottom() + 5, 147, 6);
  f.healthBar = f.healthBarFrame;
  f.healthLabel = kr::Control::at(f.healthBarFrame.left, f.healthBarFrame.top, 147, 14, "100 %");
  f.selectionRect = kr::Control::at(f.viewX + 600, f.viewY + 300, 400, 250);
}

QImage screenPicture() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, kWidth, kHeight);
  g.setColorAt(0, QColor(40, 90, 30));
  g.setColorAt(1, QColor(120, 100, 60));
  p.fillRect(img.rect(), g);
  return img;
}

// Processor time of this thread: other programs on the machine do not count.
double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class F>
double timed(F&& draw) {
  const double start = threadSeconds();
  draw();
  return threadSeconds() - start;
}

void BM_FullScreenBlit(benchmark::State& state) {
  const QImage picture = screenPicture();
  QImage target(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&target);
    p.drawImage(0, 0, picture);
    p.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_FullScreenBlit)->Unit(benchmark::kMicrosecond);

// Each frame is followed by a blit onto the same image, so both see the machine in the same
// state; the counters give both and their ratio.
template <class Frame>
void frameBesideBlit(benchmark::State& state, QImage& target, Frame&& frame) {
  const QImage picture = screenPicture();
  const auto blit = [&] {
    QPainter p(&target);
    p.drawImage(0, 0, picture);
    p.end();
    benchmark::DoNotOptimize(target.constBits());
  };
  double frameSeconds = 0;
  double blitSeconds = 0;
  for (auto _ : state) {
    frameSeconds += timed(frame);
    state.PauseTiming();
    blitSeconds += timed(blit);
    state.ResumeTiming();
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["frame_us"] = frameSeconds / n * 1e6;
  state.counters["blit_us"] = blitSeconds / n * 1e6;
  state.counters["frame_per_blit"] = frameSeconds / blitSeconds;
}

struct FrameScene {
  kr::test::FakePlatform platform;
  kr::Game game{platform};
  kr::MapPainter painter;
  QImage target{kWidth, kHeight, QImage::Format_RGB32};

  explicit FrameScene(int buildings) {
    platform.usable = {kWidth, kHeight};
    platform.full = {kWidth, kHeight};
    game.levelNumber = 2;
    game.load<kr::MainMenu>();
    game.unload<kr::MainMenu>();
    buildBase(game, buildings);
  }
  void paint() { paint(target.rect()); }
  void paint(const QRegion& area) {
    QPainter p(&target);
    painter.paint(p, game.battlefield(), area);
    p.end();
    benchmark::DoNotOptimize(target.constBits());
  }
  int inView() const {
    const kr::Battlefield& f = game.battlefield();
    int n = 0;
    for (const kr::MapObject& o : f.objects)
      n += o.shown && kr::MapPainter::mapRect(o)
                          .translated(kr::MapPainter::mapOffset(f))
                          .intersects(target.rect());
    return n;
  }
};

// A frame of a still battlefield: the kept ground and what moves over it.
void BM_BattlefieldFrame(benchmark::State& state) {
  FrameScene scene(static_cast<int>(state.range(0)));
  scene.paint();  // sprites are scaled and the ground drawn on first use, and kept
  frameBesideBlit(state, scene.target, [&] { scene.paint(); });
  state.counters["objects_in_view"] = scene.inView();
  state.SetLabel("budget 1.5 blits");
}
BENCHMARK(BM_BattlefieldFrame)->Arg(0)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

// The frame after an animation phase: every factory in view has its other picture. As the
// map view does, the frame repaints what the changed pictures cover, and the ground under
// them is to be drawn afresh.
void BM_BattlefieldFrameAfterAnimationPhase(benchmark::State& state) {
  FrameScene scene(static_cast<int>(state.range(0)));
  kr::Battlefield& f = scene.game.battlefield();
  scene.paint();
  int phase = 1;
  std::vector<QRect> changed;
  frameBesideBlit(state, scene.target, [&] {
    phase = 3 - phase;
    changed.clear();
    for (int i = 0; i < kr::kSlots; ++i) {
      kr::MapObject& o = f.objects[static_cast<std::size_t>(i)];
      const kr::BuildingKind* kind = kr::kindAt(o.kind);
      if (!o.shown || !kind || !kind->frames.phase1) continue;
      o.picture = phase == 1 ? kind->frames.phase1 : kind->frames.phase2;
      changed.push_back(kr::MapPainter::mapRect(o));
    }
    const QRegion area = kr::unite(changed);
    scene.painter.groundChanged(area);
    scene.paint(area.translated(kr::MapPainter::mapOffset(f)) & scene.target.rect());
  });
  state.counters["objects_in_view"] = scene.inView();
}
BENCHMARK(BM_BattlefieldFrameAfterAnimationPhase)
    ->Arg(0)
    ->Arg(100)
    ->Arg(300)
    ->Unit(benchmark::kMicrosecond);

// The battlefield under the open in-game menu, in the game's window: the backdrop darkens
// it. One frame is a tank's step: the battlefield repaints the tank and the backdrop darkens
// the same part again. frame_per_open_frame compares it with the same step while the menu is
// closed, measured before in this run; full_per_blit compares the whole game window drawn
// afresh (battlefield, backdrop and menu, as when the menu comes up) with one full-screen
// blit.
void BM_FrameUnderTheMenu(benchmark::State& state) {
  kr::test::FakePlatform platform;
  platform.usable = {kWidth, kHeight};
  platform.full = {kWidth, kHeight};
  kr::Game game(platform);
  game.levelNumber = 2;
  game.load<kr::MainMenu>();
  game.unload<kr::MainMenu>();
  buildBase(game, 300);
  kr::Battlefield& f = game.battlefield();
  f.window.visible = true;
  kr::GameUi ui(game, /*realTime=*/false);
  const auto settle = [] {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  };
  ui.sync();
  settle();

  kr::MapObject& tank = f.objects[311];
  float step = 6;
  const auto drive = [&] {
    tank.top += step;
    step = -step;
    ui.sync();
    settle();
  };
  constexpr int kOpenFrames = 200;
  for (int i = 0; i < 10; ++i) drive();
  double openSeconds = 0;
  for (int i = 0; i < kOpenFrames; ++i) openSeconds += timed(drive);

  ui.input([&] { kr::battlefieldKeyDown(game, kr::kKeyEscape); });
  settle();
  double frameSeconds = 0;
  std::int64_t frames = 0;
  for (auto _ : state) {
    frameSeconds += timed(drive);
    ++frames;
  }
  state.counters["frame_per_open_frame"] =
      (frameSeconds / static_cast<double>(frames)) / (openSeconds / kOpenFrames);

  QWidget* window = ui.screen();
  QImage target(window->size(), QImage::Format_RGB32);
  const QImage picture = screenPicture().scaled(target.size());
  double fullSeconds = 0;
  double blitSeconds = 0;
  for (int i = 0; i < 20; ++i) {
    fullSeconds += timed([&] { window->render(&target); });
    blitSeconds += timed([&] {
      QPainter p(&target);
      p.drawImage(0, 0, picture);
    });
  }
  state.counters["full_per_blit"] = fullSeconds / blitSeconds;
}
BENCHMARK(BM_FrameUnderTheMenu)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
