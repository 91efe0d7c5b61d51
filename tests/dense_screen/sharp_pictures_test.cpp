// On a screen of twice the density the map keeps its layout in logical pixels but draws its
// pictures from twice the pixels: an edge in a picture is as sharp, counted in the screen's
// own pixels, as on an ordinary screen, not a picture of half the pixels blown up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/core/building_kinds.h"
#include "model/core/world.h"
#include "support/battlefield_ui_fixture.h"
#include "ui/battlefield/map_painter.h"
#include "ui/battlefield/map_view.h"
#include "ui/battlefield/minimap_frame.h"
#include "ui/sprites/sprite_store.h"

namespace kr::test {
namespace {

constexpr int kRatio = 2;
// Neighbouring pixels closer than this (summed over the channels) are one flat colour.
constexpr int kFlat = 12;
// An edge joins colours at least this far apart, within this many pixels.
constexpr int kEdge = 90;
constexpr int kWidestEdge = 3;

int distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// A pixel that blends colours `a` and `b`: each channel lies between theirs, and it is
// clearly neither of them.
bool blends(QRgb c, QRgb a, QRgb b) {
  const auto inside = [](int v, int x, int y) {
    return v >= std::min(x, y) - 2 && v <= std::max(x, y) + 2;
  };
  const int apart = distance(a, b);
  return inside(qRed(c), qRed(a), qRed(b)) && inside(qGreen(c), qGreen(a), qGreen(b)) &&
         inside(qBlue(c), qBlue(a), qBlue(b)) && distance(c, a) * 5 > apart &&
         distance(c, b) * 5 > apart;
}

using Line = std::vector<QRgb>;

Line row(const QImage& img, int y) {
  const auto* pixels = reinterpret_cast<const QRgb*>(img.constScanLine(y));
  return Line(pixels, pixels + img.width());
}

// An edge along a line of pixels: from the flat colour `a` ending at pixel `last` to the
// flat colour `b` starting at pixel `first`, through nothing but blends of the two.
struct Edge {
  int last;
  int first;
  QRgb a;
  QRgb b;
};

std::vector<Edge> edgesAlong(const Line& line) {
  const int n = static_cast<int>(line.size());
  const auto at = [&](int k) { return line[static_cast<std::size_t>(k)]; };
  const auto flat = [&](int k) {
    return k >= 0 && k + 1 < n && distance(at(k), at(k + 1)) <= kFlat;
  };
  std::vector<Edge> edges;
  for (int i = 2; i + 1 < n; ++i) {
    // Three pixels of one colour, then a change.
    if (!flat(i - 2) || !flat(i - 1) || flat(i)) continue;
    int j = i + 1;
    while (j <= i + kWidestEdge && !(flat(j) && flat(j + 1))) ++j;
    if (j > i + kWidestEdge) continue;
    const Edge e{i, j, at(i), at(j)};
    bool blend = distance(e.a, e.b) >= kEdge;
    for (int k = i + 1; k < j && blend; ++k)
      blend =
          blends(at(k), e.a, e.b) || distance(at(k), e.a) <= kFlat || distance(at(k), e.b) <= kFlat;
    if (blend) edges.push_back(e);
    i = j - 1;
  }
  return edges;
}

// The pixels from `from` to `to` that blend the edge's two colours.
int blendWidth(const Line& line, int from, int to, const Edge& e) {
  int width = 0;
  for (int k = from; k <= to; ++k) width += blends(line[static_cast<std::size_t>(k)], e.a, e.b);
  return width;
}

// The edges of a picture found on the ordinary screen, and the pixels that blend across them
// on each screen, each counted in its screen's own pixels (the dense screen's averaged over
// the rows that make one ordinary row). As sharp, the dense screen blends no more pixels;
// blown up from the ordinary picture, it blends twice as many or more.
struct EdgeWidths {
  int edges = 0;
  double ordinary = 0;
  double dense = 0;
};

void addRows(const QImage& ordinary, const QImage& dense, EdgeWidths& w) {
  for (int y = 0; y < ordinary.height(); ++y) {
    const Line line = row(ordinary, y);
    for (const Edge& e : edgesAlong(line)) {
      ++w.edges;
      w.ordinary += blendWidth(line, e.last, e.first, e);
      for (int dy = 0; dy < kRatio; ++dy)
        w.dense += blendWidth(row(dense, y * kRatio + dy), e.last * kRatio,
                              e.first * kRatio + kRatio - 1, e) /
                   static_cast<double>(kRatio);
    }
  }
}

EdgeWidths edgeWidths(const QImage& ordinary, const QImage& dense) {
  const QImage o = ordinary.convertToFormat(QImage::Format_RGB32);
  const QImage d = dense.convertToFormat(QImage::Format_RGB32);
  EdgeWidths w;
  addRows(o, d, w);
  // Columns as rows.
  QTransform turn;
  turn.rotate(90);
  addRows(o.transformed(turn), d.transformed(turn), w);
  return w;
}

QRect scaledBy(const QRect& r, int factor) { return {r.topLeft() * factor, r.size() * factor}; }

class SharpPicturesTest : public BattlefieldUiTest {
 protected:
  void SetUp() override {
    // Textured ground and nothing else on it.
    f.terrainTile = "Piclevel2";
    for (int y = 0; y < 6000; y += 600)
      for (int x = 0; x < 6000; x += 600) f.terrainTiles.push_back({x, y});
    for (MapObject& o : f.objects) o.shown = false;
    BattlefieldUiTest::SetUp();
  }
  MapView* map() const { return window()->mapView(); }
  void put(int slot, Building kind, const char* picture, const QRect& place) {
    f.objects[static_cast<std::size_t>(slot)] = MapObject{kind,
                                                          static_cast<float>(place.left()),
                                                          static_cast<float>(place.top()),
                                                          static_cast<float>(place.width()),
                                                          static_cast<float>(place.height()),
                                                          picture,
                                                          true,
                                                          {},
                                                          0};
  }
  // The map as the dense screen shows it, in the screen's own pixels.
  QImage denseScreen() {
    ui.sync();
    QApplication::processEvents();
    const QPixmap grab = map()->grab();
    EXPECT_EQ(grab.devicePixelRatio(), kRatio) << "the screen is not of twice the density";
    // The layout is the same in logical pixels: as large a map, twice the pixels each way.
    EXPECT_EQ(grab.size(), map()->size() * kRatio);
    return grab.toImage();
  }
  // The same map as an ordinary screen shows it.
  QImage ordinaryScreen() {
    QImage img(map()->size(), QImage::Format_RGB32);
    QPainter p(&img);
    MapPainter painter;
    painter.paint(p, f, img.rect());
    return img;
  }
};

TEST_F(SharpPicturesTest, PicturesOnTheMapAreAsSharpAsOnAnOrdinaryScreen) {
  struct Case {
    const char* what;
    Building kind;
    const char* picture;  // none: the bare ground
    QRect place;          // in map pixels
  };
  const Case cases[] = {
      {"a tank over the ground", Building::kTank, "tankvpravo", {200, 100, 92, 40}},
      {"the headquarters", Building::kNone, "baza", {100, 200, 81, 81}},
      {"a metal works", Building::kMetalWorks, "metzavod", {200, 200, 64, 59}},
      {"bare ground", Building::kNone, "", {300, 200, 120, 120}},
  };
  int slot = 1;
  for (const Case& c : cases)
    if (*c.picture) put(slot++, c.kind, c.picture, c.place);
  const QImage dense = denseScreen();
  const QImage ordinary = ordinaryScreen();

  const QPoint offset = MapPainter::mapOffset(f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Inside the picture: its outline against the ground is sharp anyway.
    const QRect inside = c.place.translated(offset).adjusted(1, 1, -1, -1);
    const EdgeWidths w = edgeWidths(ordinary.copy(inside), dense.copy(scaledBy(inside, kRatio)));
    ASSERT_GE(w.edges, 20) << "too few edges to judge by";
    EXPECT_LE(w.dense, 1.25 * w.ordinary)
        << w.edges << " edges blend " << w.dense << " pixels on the dense screen, " << w.ordinary
        << " on the ordinary one";
  }
}

TEST_F(SharpPicturesTest, APlacedAccumulatorIsDrawnFromTwiceThePixels) {
  const QRect place(100, 100, 49, 49);
  put(1, Building::kAccumulator, "akum", place);
  const QImage dense = denseScreen();
  const QImage shown = dense.copy(scaledBy(place.translated(MapPainter::mapOffset(f)), kRatio))
                           .convertToFormat(QImage::Format_RGB32);
  // Its 98 × 98 pixels are the accumulator's own picture of that many pixels, not the
  // picture of 49 × 49 blown up.
  const QImage picture = SpriteStore::instance()
                             .scaled(QStringLiteral("akum"), place.size(), kRatio)
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), QSize(98, 98));
  ASSERT_EQ(shown.size(), picture.size());
  int different = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) different += shown.pixel(x, y) != picture.pixel(x, y);
  EXPECT_EQ(different, 0);
}

TEST_F(SharpPicturesTest, TheMinimapShowsThePaintedMapInTheScreensPixels) {
  f.minimapPictureReady = true;
  ui.sync();
  MinimapPicture* minimap = window()->minimap()->picture();
  minimap->grab();  // the picture is composed when the minimap is painted
  const QImage& picture = minimap->mapPicture();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.devicePixelRatio(), kRatio);
  EXPECT_EQ(picture.size(), minimap->size() * kRatio);
  // The ground is painted over the whole map: nothing is left black between the tiles.
  int black = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) black += qGray(picture.pixel(x, y)) < 16;
  EXPECT_EQ(black, 0);
}

}  // namespace
}  // namespace kr::test
