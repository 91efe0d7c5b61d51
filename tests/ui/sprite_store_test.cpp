// Every picture the game draws must exist, have its listed size and fill its
// rectangle the way the map expects; a missing one must show up loudly.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTransform>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "ui/sprites/sprite_catalog.h"
#include "ui/sprites/sprite_store.h"

namespace kr::sprites {
// Test names and failure messages show the picture's name, not its bytes.
void PrintTo(const SpriteInfo& info, std::ostream* os) { *os << info.name; }
}  // namespace kr::sprites

namespace {

using kr::SpriteStore;
using kr::sprites::kCatalog;
using kr::sprites::Kind;
using kr::sprites::SpriteInfo;

QString nameOf(const SpriteInfo& info) {
  return QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size()));
}

bool near(QRgb pixel, unsigned rgb, int tolerance) {
  return std::abs(qRed(pixel) - static_cast<int>((rgb >> 16) & 0xFF)) <= tolerance &&
         std::abs(qGreen(pixel) - static_cast<int>((rgb >> 8) & 0xFF)) <= tolerance &&
         std::abs(qBlue(pixel) - static_cast<int>(rgb & 0xFF)) <= tolerance;
}

int colourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// Mean colour step across the wrap-around edge, and the mean step between
// neighbouring columns (or rows) inside the tile.
struct EdgeSteps {
  double seam = 0;
  double inside = 0;
};

EdgeSteps columnSteps(const QImage& img) {
  EdgeSteps s;
  const int w = img.width();
  for (int y = 0; y < img.height(); ++y) {
    s.seam += colourDistance(img.pixel(w - 1, y), img.pixel(0, y));
    for (int x = 0; x + 1 < w; x += 7)
      s.inside += colourDistance(img.pixel(x, y), img.pixel(x + 1, y));
  }
  s.seam /= img.height();
  s.inside /= img.height() * ((w - 2) / 7 + 1);
  return s;
}

class CataloguedSprite : public ::testing::TestWithParam<SpriteInfo> {};

TEST_P(CataloguedSprite, ExistsAtItsSizeAndFillsItsRectangleAsItsKindNeeds) {
  const SpriteInfo& info = GetParam();
  auto& store = SpriteStore::instance();
  const QString name = nameOf(info);
  ASSERT_TRUE(store.has(name));
  EXPECT_EQ(store.nativeSize(name), QSize(info.width, info.height));
  // The drawing itself is made for that size, so nothing is squeezed.
  QSvgRenderer svg(SpriteStore::resourcePath(name));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.defaultSize(), QSize(info.width, info.height));
  EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, info.width, info.height));

  const QImage& img = store.image(name);
  ASSERT_EQ(img.size(), QSize(info.width, info.height));
  EXPECT_EQ(img.format(), kr::sprites::isOpaque(info.kind) ? QImage::Format_RGB32
                                                           : QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(&store.image(name), &img) << "rendered again instead of kept";

  const int w = img.width();
  const int h = img.height();
  const QPoint corners[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};

  if (kr::sprites::isOpaque(info.kind)) {
    int seeThrough = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) seeThrough += qAlpha(img.pixel(x, y)) != 255;
    }
    EXPECT_EQ(seeThrough, 0) << "pixels not fully painted";
  }

  switch (info.kind) {
    case Kind::Building: {
      for (const QPoint& c : corners) {
        EXPECT_TRUE(near(img.pixel(c), info.field, 6))
            << "corner " << c.x() << "," << c.y() << " is " << std::hex << img.pixel(c);
      }
      // The building itself covers a good part of the field.
      int drawn = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) drawn += !near(img.pixel(x, y), info.field, 12);
      }
      EXPECT_GT(drawn, w * h / 4);
      break;
    }
    case Kind::Tank:
      for (const QPoint& c : corners) EXPECT_EQ(qAlpha(img.pixel(c)), 0);
      EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255);
      break;
    case Kind::Pointer:
      // The tip of the arrow is the hot spot at the top-left.
      EXPECT_GT(qAlpha(img.pixel(1, 1)), 128);
      EXPECT_EQ(qAlpha(img.pixel(w - 1, h - 1)), 0);
      break;
    case Kind::Icon: EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255); break;
    case Kind::Terrain: {
      // Tiled side by side the tile must show no seam: the step across an edge
      // is no larger than the usual step between neighbouring pixels.
      const EdgeSteps across = columnSteps(img);
      QTransform turn;
      turn.rotate(90);
      const EdgeSteps down = columnSteps(img.transformed(turn));
      EXPECT_LT(across.seam, 2.0 * across.inside + 8.0);
      EXPECT_LT(down.seam, 2.0 * down.inside + 8.0);
      break;
    }
    case Kind::Button:
    case Kind::Screen: break;
  }

  // Not a flat fill: a picture has at least a handful of distinct colours.
  QImage small = img.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  std::vector<QRgb> colours;
  for (int y = 0; y < small.height(); ++y) {
    for (int x = 0; x < small.width(); ++x) colours.push_back(small.pixel(x, y));
  }
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  EXPECT_GE(colours.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CataloguedSprite, ::testing::ValuesIn(kCatalog),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpriteStore, UnknownNameGivesALoudFallbackAtThirtyTwoPixels) {
  auto& store = SpriteStore::instance();
  const QString name = QStringLiteral("no_such_picture");
  EXPECT_FALSE(store.has(name));
  EXPECT_EQ(store.nativeSize(name), QSize(32, 32));
  const QImage& img = store.image(name);
  ASSERT_EQ(img.size(), QSize(32, 32));
  int magenta = 0, black = 0, clear = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb p = img.pixel(x, y);
      magenta += near(p, 0xFF00FF, 10);
      black += near(p, 0x000000, 10);
      clear += qAlpha(p) != 255;
    }
  }
  EXPECT_GT(magenta, 100);
  EXPECT_GT(black, 100);
  EXPECT_EQ(clear, 0);
  EXPECT_EQ(store.scaled(name, {50, 20}).size(), QSize(50, 20));
}

TEST(SpriteStore, ScaledStretchesToTheRequestAndKeepsOnePixmapPerRequest) {
  auto& store = SpriteStore::instance();
  struct Request {
    const char* name;
    QSize size;
  };
  // Sizes the map draws at, including ones that ignore the picture's aspect.
  const Request requests[] = {
      {"akum", {49, 49}},        {"metzavod", {150, 143}},     {"tankvverh", {40, 92}},
      {"tankvlevo", {92, 40}},   {"diagvverhvlevo", {92, 92}}, {"baza", {120, 60}},
      {"Piclevel2", {300, 200}},
  };
  for (const auto& r : requests) {
    const QString name = QString::fromLatin1(r.name);
    const QPixmap& a = store.scaled(name, r.size);
    EXPECT_EQ(a.size(), r.size) << r.name;
    EXPECT_EQ(&store.scaled(name, r.size), &a) << r.name;
    EXPECT_NE(&store.scaled(name, r.size + QSize(1, 1)), &a) << r.name;
  }
  // Tanks stay see-through around the hull when small.
  const QImage tank = store.scaled(QStringLiteral("tankvpravo"), {92, 40}).toImage();
  EXPECT_EQ(qAlpha(tank.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(tank.pixel(46, 20)), 255);
  // Buildings keep their field colour at the corner when small.
  const QImage hall = store.scaled(QStringLiteral("tankozavod"), {60, 60}).toImage();
  EXPECT_TRUE(near(hall.pixel(0, 0), kr::sprites::kFieldAmber, 6));
}

TEST(SpriteStore, ReleaseForgetsOnlyThatPicture) {
  auto& store = SpriteStore::instance();
  const QPixmap* kept = &store.scaled(QStringLiteral("akum"), {49, 49});
  const QImage before = store.image(QStringLiteral("welcome_bg"));  // a copy of the pixels
  store.scaled(QStringLiteral("welcome_bg"), {100, 75});
  store.release(QStringLiteral("welcome_bg"));
  EXPECT_EQ(&store.scaled(QStringLiteral("akum"), {49, 49}), kept);
  // Asked for again, the picture is drawn afresh, the same as before.
  EXPECT_EQ(store.image(QStringLiteral("welcome_bg")), before);
  EXPECT_EQ(store.scaled(QStringLiteral("welcome_bg"), {100, 75}).size(), QSize(100, 75));
}

// A picture prepared on a worker thread is the one the window then gets, drawn once, while
// the thread asking meanwhile for another picture is not held up by it.
TEST(SpriteStore, APreparedPictureIsTheOneAskedForAfterwards) {
  auto& store = SpriteStore::instance();
  const QString name = QStringLiteral("briefing_bg");
  const QImage expected = store.image(name, 1);  // a copy of the pixels
  store.release(name);
  store.prepare(name, 1, store.nativeSize(name));
  EXPECT_EQ(store.image(QStringLiteral("akum"), 1).size(),
            store.nativeSize(QStringLiteral("akum")));
  const QImage& prepared = store.image(name, 1);
  EXPECT_EQ(prepared, expected);
  EXPECT_EQ(&store.image(name, 1), &prepared);
  store.release(name);
}

// A picture asked for at a size (logical pixels) on a screen of a ratio, and the pixels it
// must have.
struct SizedRequest {
  const char* name;
  QSize size;
  qreal ratio;
  QSize pixels;
};

// A window smaller than its background gets the top-left corner of the whole picture, pixel
// for pixel, on every screen: the picture is not squeezed into the window's size.
TEST(SpriteStore, TheShownPartIsTheCornerOfTheWholePicture) {
  auto& store = SpriteStore::instance();
  const SizedRequest requests[] = {
      {"welcome_bg", {492, 399}, 1, {492, 399}},
      {"welcome_bg", {492, 399}, 2, {984, 798}},
      {"welcome_bg", {300, 2000}, 1.5, {450, 1152}},  // no further than the picture
      {"no_such_picture", {20, 10}, 1, {20, 10}},
  };
  for (const auto& r : requests) {
    const QString name = QString::fromLatin1(r.name);
    const QImage whole = store.image(name, r.ratio);  // a copy of the pixels
    const QImage& part = store.image(name, r.ratio, r.size);
    EXPECT_EQ(part.size(), r.pixels) << r.name << " at " << r.ratio;
    EXPECT_EQ(part.devicePixelRatio(), r.ratio) << r.name;
    if (store.has(name)) {
      EXPECT_EQ(part, whole.copy(QRect(QPoint(0, 0), r.pixels))) << r.name << " at " << r.ratio;
    }
    EXPECT_EQ(&store.image(name, r.ratio, r.size), &part) << r.name;
    store.release(name);
  }
}

// On a denser screen a picture keeps its size in logical pixels and gets the screen's pixels:
// kept beside the ordinary one, and let go with it.
TEST(SpriteStore, PicturesForADenserScreenHaveItsPixelsAtTheSameLogicalSize) {
  auto& store = SpriteStore::instance();
  const SizedRequest requests[] = {
      {"akum", {49, 49}, 2, {98, 98}},
      {"tankvverh", {40, 92}, 2, {80, 184}},
      {"metzavod", {64, 59}, 1.5, {96, 89}},  // half pixels rounded
      {"no_such_picture", {32, 32}, 2, {64, 64}},
  };
  for (const auto& r : requests) {
    const QString name = QString::fromLatin1(r.name);
    const QPixmap& dense = store.scaled(name, r.size, r.ratio);
    EXPECT_EQ(dense.size(), r.pixels) << r.name;
    EXPECT_EQ(dense.devicePixelRatio(), r.ratio) << r.name;
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), r.size) << r.name;
    EXPECT_EQ(&store.scaled(name, r.size, r.ratio), &dense) << r.name;
    EXPECT_NE(&store.scaled(name, r.size), &dense) << r.name;
  }

  // Pictures drawn at their own size: backgrounds, terrain.
  const QImage& ground = store.image(QStringLiteral("Piclevel2"), 2);
  EXPECT_EQ(ground.size(), QSize(1200, 1200));
  EXPECT_EQ(ground.devicePixelRatio(), 2);
  EXPECT_EQ(ground.format(), QImage::Format_RGB32);  // opaque, as at ratio 1
  EXPECT_EQ(&store.image(QStringLiteral("Piclevel2"), 2), &ground);
  EXPECT_EQ(&store.image(QStringLiteral("Piclevel2"), 1),
            &store.image(QStringLiteral("Piclevel2")));

  // Released, a picture is rendered afresh for every screen.
  const QString screen = QStringLiteral("welcome_bg");
  const qint64 ordinary = store.image(screen).cacheKey();
  const qint64 dense = store.image(screen, 2).cacheKey();
  const qint64 button = store.scaled(screen, {100, 75}, 2).cacheKey();
  EXPECT_EQ(store.image(screen, 2).cacheKey(), dense);
  store.release(screen);
  EXPECT_NE(store.image(screen).cacheKey(), ordinary);
  EXPECT_NE(store.image(screen, 2).cacheKey(), dense);
  EXPECT_NE(store.scaled(screen, {100, 75}, 2).cacheKey(), button);
  store.release(screen);
}

}  // namespace
