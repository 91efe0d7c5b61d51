// The palette and inspection frames: real clicks reach the handlers, the frames follow.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/world.h"
#include "support/battlefield_ui_fixture.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/battlefield/inspection_frame.h"
#include "ui/battlefield/palette_frame.h"
#include "ui/game_ui.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/picture_image.h"

namespace kr::test {
namespace {

class PaletteWindowTest : public BattlefieldUiTest {
 protected:
  PaletteFrame* palette = nullptr;

  void SetUp() override {
    BattlefieldUiTest::SetUp();
    palette = ui.battlefield()->palette();
    platform.sounds.clear();
  }
  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

TEST_F(PaletteWindowTest, ClickedButtonStartsAConstructionThatTheFrameShows) {
  EXPECT_FALSE(palette->constructionLabel()->isVisible());
  EXPECT_FALSE(palette->barFill()->isVisible());
  click(palette->button(Building::kMetalWorks));
  EXPECT_EQ(f.buildKind, Building::kMetalWorks);
  EXPECT_EQ(f.energy, 1500 - 800);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"building.smus"});

  ui.advanceBy(100 + 16);
  EXPECT_TRUE(palette->constructionLabel()->isVisible());
  EXPECT_EQ(palette->constructionLabel()->text(), "СТРОИТЕЛЬСТВО");
  EXPECT_TRUE(palette->barOutline()->isVisible());
  EXPECT_TRUE(palette->barFill()->isVisible());
  EXPECT_FALSE(palette->button(Building::kAccumulator)->isEnabled());
  ui.advanceBy(2400);  // half of the metal works' 5 s
  EXPECT_EQ(palette->barFill()->x(), palette->barOutline()->x());
  EXPECT_NEAR(palette->barFill()->width(), palette->barOutline()->width() / 2, 1);

  ui.advanceBy(2500);
  EXPECT_TRUE(palette->readyIcon()->isVisible());
  EXPECT_FALSE(palette->barFill()->isVisible());
  click(palette->readyIcon());
  EXPECT_TRUE(f.itemInHand);
  EXPECT_FALSE(palette->readyIcon()->isVisible());
}

TEST_F(PaletteWindowTest, ArrowsPowerSwitchAndTankPanel) {
  f.nextPageArrow.visible = f.previousPageArrow.visible = true;
  ui.sync();
  click(palette->forwardArrow());
  EXPECT_EQ(f.palettePage, 2);
  EXPECT_TRUE(palette->pageTwo()->isVisible());
  EXPECT_TRUE(palette->forwardArrow()->border());
  // Page 2 lies over page 1, cut off at the frame's edge.
  EXPECT_LE(palette->pageTwo()->geometry().right(), palette->contentsRect().right());
  ui.advanceBy(150);
  EXPECT_FALSE(palette->forwardArrow()->border());
  click(palette->backArrow());
  EXPECT_EQ(f.palettePage, 1);
  EXPECT_FALSE(palette->pageTwo()->isVisible());

  f.objects[1] = MapObject{Building::kTankFactory, 1000, 1000, 147, 147, "tankozavod", true, {}, 0};
  f.lastOrderedSlot = 1;
  f.working(Building::kTankFactory) = 1;
  ui.input([&] { objectClick(game, 1); });
  InspectionFrame* inspection = ui.battlefield()->inspection();
  EXPECT_EQ(inspection->name()->text(), "Танковый завод");
  EXPECT_EQ(inspection->effect(0)->text(), "Энергия: -120");
  EXPECT_TRUE(palette->tankPanel()->isVisible());
  click(inspection->powerSwitch());
  EXPECT_EQ(f.working(Building::kTankFactory), 0);
  EXPECT_EQ(inspection->powerSwitch()->text(), "Включить");

  f.energy = f.metal = 10000;
  click(palette->button(Building::kTank));
  EXPECT_EQ(f.buildKind, Building::kTank);
}

// The lines between the palette's rows show on page 1 and vanish under the tank order
// panel, which lies over the page: no stub of them peeks out beside it.
TEST_F(PaletteWindowTest, RowLinesShowOnThePageAndHideUnderTheTankPanel) {
  const QRect inside = palette->contentsRect();
  const auto rowIsPlain = [&](int y) {
    const QImage shown = palette->grab().toImage();
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (shown.pixel(x, y) != shown.pixel(inside.left(), y)) return false;
    return true;
  };
  // Below the buttons, across the arrows' row of the frame.
  const int y = static_cast<int>(f.buildFrameDividers[3].top);
  EXPECT_FALSE(rowIsPlain(y));
  f.tankOrderPanel.visible = true;
  ui.sync();
  EXPECT_TRUE(rowIsPlain(y));
}

// Every caption is set as large as the accumulator's "Энергия …", and still its lines and
// its picture each have a place of their own inside the button.
TEST_F(PaletteWindowTest, EveryCaptionIsAsLargeAsTheEnergyCaptionAndFitsItsButton) {
  const auto textHeight = [](const PictureButton::Layout& l) {
    return QFontMetrics(l.font).tightBoundingRect(QStringLiteral("Энергия")).height();
  };
  const int energy = textHeight(palette->button(Building::kAccumulator)->layout());
  EXPECT_GE(energy, 7);
  for (int i = 0; i < kPaletteItems; ++i) {
    const PictureButton* b = palette->button(static_cast<Building>(i));
    SCOPED_TRACE(b->text().toStdString());
    const PictureButton::Layout l = b->layout();
    EXPECT_GE(textHeight(l), energy);
    const QFontMetrics metrics(l.font);
    std::vector<QRect> taken{l.picture};
    EXPECT_GE(l.picture.width(), 16);
    for (const PictureButton::Layout::Line& line : l.lines) {
      EXPECT_LE(metrics.horizontalAdvance(line.text), line.rect.width()) << line.text.toStdString();
      EXPECT_GE(line.rect.height(), metrics.height());
      taken.push_back(line.rect);
    }
    for (std::size_t a = 0; a < taken.size(); ++a) {
      EXPECT_TRUE(b->rect().adjusted(2, 2, -2, -2).contains(taken[a])) << a;
      for (std::size_t c = a + 1; c < taken.size(); ++c)
        EXPECT_FALSE(taken[a].intersects(taken[c])) << a << " and " << c;
    }
    QStringList shown;
    for (const PictureButton::Layout::Line& line : l.lines) shown << line.text;
    EXPECT_EQ(shown.join(' '), (QStringList{b->text()} + b->price()).join(' '));
  }
}

}  // namespace
}  // namespace kr::test
