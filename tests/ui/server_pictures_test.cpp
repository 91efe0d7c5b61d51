// A factory's next picture shown by the display server: only where its picture alone shows
// it, exactly as a repaint would show it, and repainted into the window's buffer wherever
// the buffer is shown again (an exposure, a scroll).
#include <gtest/gtest.h>

#include <QApplication>
#include <QExposeEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

#include "model/core/building_kinds.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "support/battlefield_ui_fixture.h"
#include "ui/battlefield/map_view.h"
#include "ui/battlefield/resources_frame.h"
#include "ui/platform/server_pictures.h"
#include "ui/widgets/uncovered.h"

namespace kr::test {
namespace {

// Stands in for the display server: keeps what it was asked to show.
class RecordingServer : public ServerPictures {
 public:
  struct Shown {
    QImage picture;
    QPoint at;
  };
  explicit RecordingServer(std::vector<Shown>& shown, bool able) : shown_(shown), able_(able) {}
  bool show(const QImage& picture, QPoint at) override {
    if (able_) shown_.push_back({picture, at});
    return able_;
  }
  bool put(const QImage& pixels, QPoint at) override { return show(pixels, at); }
  void send() override {}
  void forget() override {}

 private:
  std::vector<Shown>& shown_;
  bool able_;
};

class ServerPicturesTest : public BattlefieldUiTest {
 protected:
  void SetUp() override {
    BattlefieldUiTest::SetUp();
    window()->window()->activateWindow();
    settle();
  }
  void useServer(bool able) {
    map()->setServerPictures(std::make_unique<RecordingServer>(shown, able));
  }
  // Metal works at (x, y), drawn, and then its next picture.
  QRect worksAt(int slot, float x, float y) {
    MapObject& o = f.objects[static_cast<std::size_t>(slot)];
    o = MapObject{Building::kMetalWorks, x, y, 63.7f, 58.8f, "metzavod", true, {}, 0};
    f.objectChanged(slot);
    return QRect(static_cast<int>(x), static_cast<int>(y), 64, 59);
  }
  void nextPicture() {
    const std::string before = f.objects[5].picture;
    ui.advanceBy(200);
    if (f.objects[5].picture == before) ui.advanceBy(200);
    ASSERT_NE(f.objects[5].picture, before);
    settle();
  }
  // What the window's buffer holds of the map, against a fresh paint of it: the pixels
  // that differ.
  int staleInBuffer() {
    ui.sync();
    settle();
    const QImage buffer = QGuiApplication::primaryScreen()
                              ->grabWindow(window()->window()->winId())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32)
                              .copy(map()->geometry());
    const QImage fresh = map()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < fresh.height(); ++y)
      for (int x = 0; x < fresh.width(); ++x) count += buffer.pixel(x, y) != fresh.pixel(x, y);
    return count;
  }

  std::vector<RecordingServer::Shown> shown;
};

TEST_F(ServerPicturesTest, ANewPictureGoesByTheServerOnlyWhereItsPictureAloneShowsIt) {
  struct Case {
    const char* name;
    bool serverAble;
    void (*around)(Battlefield& f);  // what else stands there
    bool byServer;
  };
  const std::vector<Case> cases = {
      {"in the clear", true, [](Battlefield&) {}, true},
      {"the server cannot", false, [](Battlefield&) {}, false},
      {"under a tank", true,
       [](Battlefield& f) {
         f.objects[6] = MapObject{Building::kTank, 320, 880, 40, 92, "tankvverh", true, {}, 0};
         f.objectChanged(6);
       },
       false},
      {"inspected, with its frame", true, [](Battlefield& f) { f.objects[5].border = 1; }, false},
      {"under the chat box", true, [](Battlefield& f) { f.chatBox.visible = true; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shown.clear();
    f.objects[6].shown = false;
    f.objectChanged(6);
    f.chatBox.visible = false;
    // Where the chat box comes up over the map's lower edge when it shows.
    const QRect works = worksAt(5, 300, 900);
    c.around(f);
    ui.sync();
    settle();
    useServer(c.serverAble);
    shown.clear();
    PaintWatch paints;
    map()->installEventFilter(&paints);
    nextPicture();
    map()->removeEventFilter(&paints);
    if (c.byServer) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].at, map()->mapTo(window()->window(), works.topLeft()));
      // Pixel for pixel what a repaint shows there.
      EXPECT_EQ(shown[0].picture,
                map()->grab(works).toImage().convertToFormat(QImage::Format_RGB32));
      EXPECT_FALSE(paints.region.intersects(works));
    } else {
      EXPECT_TRUE(shown.empty());
      // All of it that shows is repainted.
      EXPECT_TRUE((QRegion(works) & uncovered(map())) - paints.region == QRegion());
    }
  }
}

TEST_F(ServerPicturesTest, TheBufferIsRepaintedWhereTheServerShowedNewerPictures) {
  f.terrainTile = "Piclevel2";
  for (int y = 0; y < 6000; y += 600)
    for (int x = 0; x < 6000; x += 600) f.terrainTiles.push_back({x, y});
  f.locatorBuilt = true;
  worksAt(5, 400, 300);
  ui.sync();
  settle();
  useServer(true);
  ASSERT_EQ(staleInBuffer(), 0);

  struct Case {
    const char* name;
    std::function<void()> showAgain;
  };
  const std::vector<Case> cases = {
      {"the window exposed",
       [this] {
         QWindow* w = window()->window()->windowHandle();
         QExposeEvent expose(QRegion(0, 0, w->width(), w->height()));
         QCoreApplication::sendEvent(w, &expose);
       }},
      {"the map scrolled",
       [this] {
         platform.cursor = {1275, 500};  // at the right edge
         ui.advanceBy(16 * 3);
         platform.cursor = {500, 500};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shown.clear();
    nextPicture();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_GT(staleInBuffer(), 0);  // the server shows the new picture, the buffer the old
    c.showAgain();
    EXPECT_EQ(staleInBuffer(), 0);
  }
}

TEST_F(ServerPicturesTest, AChangedFigureIsDrawnByTheServerAsARepaintWouldDrawIt) {
  ResourcesFrame* frame = window()->resources();
  ASSERT_NE(frame, nullptr);
  game.clock.setEnabled(kEconomyTimer, false);
  ui.advanceBy(Clock::kMinPeriod);  // the panel shows the figures as they stand
  frame->setServerPictures(std::make_unique<RecordingServer>(shown, true));
  QWidget* top = window()->window();
  const auto buffer = [&] {
    settle();
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  const auto fresh = [&](const QRect& r) {
    return top->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage before = buffer();
  f.energy += 1234;
  f.metal += 56;
  ui.advanceBy(Clock::kMinPeriod);
  ASSERT_EQ(shown.size(), 2u);  // the two stocks
  const QImage after = buffer();
  for (const auto& s : shown) {
    const QRect r(s.at, s.picture.size());
    EXPECT_EQ(s.picture, fresh(r));  // the new figure, as a repaint draws it
    EXPECT_NE(s.picture, before.copy(r));
    EXPECT_EQ(after.copy(r), before.copy(r));  // the buffer is not repainted
  }
  // Exposed, the window shows its buffer: the figures are repainted into it.
  QWindow* w = top->windowHandle();
  QExposeEvent expose(QRegion(0, 0, w->width(), w->height()));
  QCoreApplication::sendEvent(w, &expose);
  const QImage exposed = buffer();
  for (const auto& s : shown) EXPECT_EQ(exposed.copy(QRect(s.at, s.picture.size())), s.picture);
}

}  // namespace
}  // namespace kr::test
