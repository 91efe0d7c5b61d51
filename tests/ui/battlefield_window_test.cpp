// The battlefield window offscreen: real mouse and key events reach the game's handlers,
// and the map shows what the model says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "model/battlefield/animation.h"
#include "model/battlefield/keys.h"
#include "model/battlefield/movement.h"
#include "model/battlefield/navigation.h"
#include "model/battlefield/pointer.h"
#include "model/comm/chat.h"
#include "model/core/building_kinds.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/persist/save_file.h"
#include "model/shell/windows.h"
#include "support/battlefield_ui_fixture.h"
#include "support/temp_folder.h"
#include "ui/battlefield/chat_box.h"
#include "ui/battlefield/map_view.h"
#include "ui/battlefield/minimap_frame.h"
#include "ui/game_ui.h"
#include "ui/shell/backdrop_window.h"

namespace kr::test {
namespace {

// Counts the map view's paint events and keeps the region of the last one.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  QRegion region;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++paints;
      region = static_cast<QPaintEvent*>(e)->region();
    }
    return false;
  }
};

class BattlefieldWindowTest : public BattlefieldUiTest {
 protected:
  void SetUp() override {
    BattlefieldUiTest::SetUp();
    window()->window()->activateWindow();
    settle();
  }
  MapObject& put(int slot, Building kind, const char* picture, float left, float top, float w,
                 float h) {
    MapObject& o = f.objects[static_cast<std::size_t>(slot)];
    o = MapObject{kind, left, top, w, h, picture, true, {}, 0};
    return o;
  }
  QColor shownAt(QWidget* w, QPoint p) { return w->grab().toImage().pixelColor(p); }
};

TEST_F(BattlefieldWindowTest, AClickOnADrawnObjectReachesItsObjectClick) {
  put(5, Building::kAccumulator, "akum", 300, 300, 49, 49);
  put(6, Building::kTank, "tankvverh", 320, 310, 40,
      92);  // a tank over the accumulator's right half
  ui.sync();
  QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(305, 305));
  EXPECT_EQ(game.selectedSlot, 5);
  EXPECT_FALSE(f.selectionRect.visible);  // the map saw nothing of it
  // Its health bar is drawn under it, over the tank.
  EXPECT_EQ(shownAt(map(), {305, 357}), QColor(0, 200, 0));
  QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(330, 330));
  EXPECT_EQ(game.selectedSlot, 6);
  EXPECT_TRUE(game.tankSelected);

  // The view scrolled: the same object now lies elsewhere on the screen.
  scrollViewTo(f, 200, 0);
  ui.sync();
  QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(105, 305));
  EXPECT_EQ(game.selectedSlot, 5);
}

TEST_F(BattlefieldWindowTest, ADragOnTheMapShowsTheRedRectangle) {
  QTest::mousePress(map(), Qt::LeftButton, {}, QPoint(300, 200));
  QMouseEvent move(QEvent::MouseMove, QPointF(100, 250), map()->mapToGlobal(QPointF(100, 250)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(map(), &move);
  EXPECT_TRUE(f.selectionRect.visible);
  EXPECT_FLOAT_EQ(f.selectionRect.left, 100);
  EXPECT_FLOAT_EQ(f.selectionRect.top, 200);
  EXPECT_FLOAT_EQ(f.selectionRect.width, 200);
  EXPECT_FLOAT_EQ(f.selectionRect.height, 50);
  EXPECT_EQ(shownAt(map(), {150, 200}), QColor(255, 0, 0));
  EXPECT_EQ(shownAt(map(), {299, 230}), QColor(255, 0, 0));
  EXPECT_NE(shownAt(map(), {150, 225}), QColor(255, 0, 0));

  QTest::mouseRelease(map(), Qt::LeftButton, {}, QPoint(100, 250));
  EXPECT_FALSE(f.selectionRect.visible);
  EXPECT_NE(shownAt(map(), {150, 200}), QColor(255, 0, 0));
}

TEST_F(BattlefieldWindowTest, TheCarriedItemFollowsTheMouse) {
  f.lastOrderedSlot = 7;
  f.placementPending = true;
  f.itemInHand = true;
  f.objects[7].width = 100;
  f.objects[7].height = 100;
  scrollViewTo(f, 1000, 0);
  ui.sync();
  QTest::mouseMove(map(), QPoint(500, 400));
  EXPECT_TRUE(f.objects[7].shown);
  EXPECT_FLOAT_EQ(f.objects[7].left, 1515);
  EXPECT_FLOAT_EQ(f.objects[7].top, 350);
  EXPECT_EQ(map()->cursor().shape(), Qt::SizeAllCursor);
  QTest::mouseMove(map(), QPoint(600, 500));
  EXPECT_FLOAT_EQ(f.objects[7].left, 1615);
  // The pointer over the item itself still moves it: the item lets it through.
  QTest::mouseMove(map(), QPoint(630, 520));
  EXPECT_FLOAT_EQ(f.objects[7].left, 1645);
}

TEST_F(BattlefieldWindowTest, AClickOnBareGroundPutsTheCarriedItemDown) {
  game.developerMode = true;
  ui.input([&] { orderItem(game, Building::kAccumulator); });
  ASSERT_TRUE(f.placementPending);
  QTest::mouseMove(map(), QPoint(400, 400));
  QTest::mouseMove(map(), QPoint(401, 400));
  const MapObject& item = f.objects[static_cast<std::size_t>(f.lastOrderedSlot)];
  EXPECT_EQ(item.border, 1);
  QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(401, 400));
  EXPECT_FALSE(f.placementPending);
  EXPECT_EQ(item.kind, Building::kAccumulator);
  EXPECT_EQ(item.border, 0);
  // The accumulator stands on its red field where the ghost was.
  EXPECT_EQ(shownAt(map(), {418, 378}), QColor(0xED, 0x1C, 0x24));
}

TEST_F(BattlefieldWindowTest, AStillBattlefieldPaintsNothingAndABlinkPaintsOnlyTheFactory) {
  put(5, Building::kMetalWorks, "metzavod", 400, 300, 63.7f, 58.8f);
  ui.sync();
  settle();
  PaintCounter counter;
  map()->installEventFilter(&counter);
  game.clock.setEnabled(kAnimationPhase1Timer, false);
  game.clock.setEnabled(kAnimationPhase2Timer, false);
  ui.advanceBy(1000);  // clocks tick, nothing on the map changes
  settle();
  EXPECT_EQ(counter.paints, 0);

  game.clock.setEnabled(kAnimationPhase1Timer, true);
  ui.advanceBy(200);
  settle();
  EXPECT_EQ(f.objects[5].picture, "metzavod");
  ui.advanceBy(200);  // the second picture
  settle();
  ASSERT_GE(counter.paints, 1);
  EXPECT_EQ(counter.region.boundingRect(), QRect(400, 300, 64, 59));
}

// What the screen shows, from the window's backing store, against a fresh paint of all of
// it: any change that was not repainted, or scrolled wrongly, shows as a difference.
TEST_F(BattlefieldWindowTest, AfterScrollingAndChangesTheScreenEqualsAFreshPaint) {
  f.terrainTile = "Piclevel2";
  for (int y = 0; y < 6000; y += 600)
    for (int x = 0; x < 6000; x += 600) f.terrainTiles.push_back({x, y});
  for (int i = 1; i <= 40; ++i)
    put(i, i % 2 ? Building::kMetalWorks : Building::kAccumulator, i % 2 ? "metzavod" : "akum",
        100.0f + (i % 8) * 90, 100.0f + (i / 8) * 90, i % 2 ? 63.7f : 49, i % 2 ? 58.8f : 49);
  put(41, Building::kTank, "tankvverh", 300, 700, 40, 92);
  put(42, Building::kTank, "tankvverh", 200, 170, 40, 92);  // stands over a works that blinks
  game.selectedSlot = 41;
  game.tankSelected = true;
  f.locatorBuilt = true;
  ui.input([&] { mapMouseDown(game, 1, 900, 900); });
  const auto differences = [&] {
    ui.sync();
    settle();
    const QRect area = map()->geometry();
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(window()->window()->winId())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32)
                              .copy(area);
    const QImage fresh = map()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen.size(), fresh.size());
    int count = 0;
    for (int y = 0; y < std::min(screen.height(), fresh.height()); ++y)
      for (int x = 0; x < std::min(screen.width(), fresh.width()); ++x)
        count += screen.pixel(x, y) != fresh.pixel(x, y);
    return count;
  };
  EXPECT_EQ(differences(), 0) << "first frame";
  platform.cursor = {1275, 500};
  ui.advanceBy(16 * 3);
  EXPECT_EQ(differences(), 0) << "scrolled right";
  platform.cursor = {500, 1010};
  ui.advanceBy(16 * 2);
  EXPECT_EQ(differences(), 0) << "scrolled down";
  platform.cursor = {500, 500};
  ui.advanceBy(700);  // the tank drives, the works blink
  EXPECT_EQ(differences(), 0) << "tank and animation";
  ui.input([&] { minimapPress(game, 2, 0, 0); });
  f.curtain.visible = false;
  ui.input([&] { minimapPress(game, 2, 150, 120); });
  EXPECT_EQ(differences(), 0) << "minimap jump";
}

TEST_F(BattlefieldWindowTest, KeysArePreviewedInAnyLayout) {
  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_I);
  EXPECT_TRUE(f.chatBox.visible);
  EXPECT_EQ(f.chatBox.caption, game.missionGoalText);

  // The Russian layout's letter on that key, and the key by its X11 code with a layout
  // that Qt does not know.
  QKeyEvent sha(QEvent::KeyPress, 0x0428, Qt::NoModifier, QStringLiteral("ш"));
  QKeyEvent byCode(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, 31, 0, 0);
  for (QKeyEvent* key : {&sha, &byCode}) {
    f.chatBox.visible = false;
    QApplication::sendEvent(window()->window()->windowHandle(), key);
    EXPECT_TRUE(f.chatBox.visible);
  }

  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Return);
  EXPECT_TRUE(f.chatLine.visible);

  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(f.window.enabled);
  EXPECT_TRUE(game.gameMenu().window.visible);
  EXPECT_FALSE(window()->isEnabled());
}

TEST_F(BattlefieldWindowTest, EnterOpensTheChatLineWhereIStillTypesItsLetter) {
  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Return);
  QWidget* line = window()->findChild<QWidget*>(QStringLiteral("chatLine"));
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisible());
  EXPECT_TRUE(line->hasFocus());

  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_I, Qt::NoModifier);
  EXPECT_EQ(f.chatLine.caption, "i");
  EXPECT_TRUE(f.chatBox.visible);
  EXPECT_EQ(f.chatBox.caption, game.missionGoalText);

  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Return);
  EXPECT_FALSE(line->isVisible());
  EXPECT_TRUE(map()->hasFocus());
}

TEST_F(BattlefieldWindowTest, ARightPressOnTheOpenMinimapMovesTheView) {
  MinimapPicture* mini = window()->minimap()->picture();
  ASSERT_EQ(mini->size(), QSize(153, 153));
  QTest::mouseClick(mini, Qt::RightButton, {}, QPoint(51, 51));
  EXPECT_FLOAT_EQ(f.viewX, 0);  // the curtain takes it
  f.curtain.visible = false;
  ui.sync();
  QTest::mouseClick(mini, Qt::LeftButton, {}, QPoint(51, 51));
  EXPECT_FLOAT_EQ(f.viewX, 0);
  QTest::mouseClick(mini, Qt::RightButton, {}, QPoint(51, 51));
  EXPECT_FLOAT_EQ(f.viewX, 2000);
  EXPECT_FLOAT_EQ(f.viewY, 2000);
  // The yellow frame is drawn where the view now is.
  EXPECT_EQ(shownAt(mini, {51, 60}), QColor(255, 255, 0));
}

TEST_F(BattlefieldWindowTest, HoveringABuildingShowsItsHoverTextAndAnEnemyBuildingNone) {
  game.developerMode = true;
  ui.input([&] { orderItem(game, Building::kAccumulator); });
  QTest::mouseMove(map(), QPoint(300, 300));
  QTest::mouseMove(map(), QPoint(301, 300));
  QTest::mouseClick(map(), Qt::LeftButton, {}, QPoint(301, 300));
  const MapObject& placed = f.objects[static_cast<std::size_t>(f.lastOrderedSlot)];
  ASSERT_EQ(placed.kind, Building::kAccumulator);
  put(301, Building::kEnemyAccumulator, "akumVraga", 500, 300, 49, 49);
  ui.sync();
  const auto hover = [&](QPointF at) {
    const QPoint p = at.toPoint();
    QHelpEvent help(QEvent::ToolTip, p, map()->mapToGlobal(p));
    QApplication::sendEvent(map(), &help);
  };
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));

  hover({520, 320});
  EXPECT_FALSE(QToolTip::isVisible());
  hover({placed.left + 20, placed.top + 20});
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Аккумулятор"));
  hover({520, 320});
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
}

// Only the ground near the item differs between the two: a building 6 pixels to its right
// blocks it, although the item's own pixels stand on the same ground in both.
TEST_F(BattlefieldWindowTest, TheItemInHandShowsBlockedGroundAtAGlance) {
  game.developerMode = true;
  ui.input([&] { orderItem(game, Building::kAccumulator); });
  const MapObject& item = f.objects[static_cast<std::size_t>(f.lastOrderedSlot)];
  const auto ghostAt = [&](QPoint pointer) {
    QTest::mouseMove(map(), pointer);
    QTest::mouseMove(map(), pointer + QPoint(1, 0));
    QTest::mouseMove(map(), pointer);
    settle();
    const QRect r = MapPainter::mapRect(item);
    return map()->grab().toImage().copy(r.adjusted(1, 1, -1, -1));
  };
  const QImage free = ghostAt({400, 400});
  EXPECT_EQ(item.border, 1);
  put(301, Building::kEnemyAccumulator, "akumVraga", item.right() + 6, item.top + 5, 49, 49);
  const QImage blocked = ghostAt({400, 400});
  EXPECT_EQ(item.border, 0);
  ASSERT_EQ(free.size(), blocked.size());
  // Blocked, every pixel of the faint picture turns redder.
  const QPoint middle(free.width() / 2, free.height() / 2);
  EXPECT_GT(blocked.pixelColor(middle).red() - blocked.pixelColor(middle).green(),
            free.pixelColor(middle).red() - free.pixelColor(middle).green() + 40);
  int redder = 0;
  for (int y = 0; y < free.height(); ++y)
    for (int x = 0; x < free.width(); ++x)
      redder += blocked.pixelColor(x, y).red() - blocked.pixelColor(x, y).green() >
                free.pixelColor(x, y).red() - free.pixelColor(x, y).green();
  EXPECT_EQ(redder, free.width() * free.height());
}

// After a save the box is only as wide as its notice: a long line then breaks between two
// words onto a second line, and the box grows by both.
TEST_F(BattlefieldWindowTest, ALongChatLineAfterASaveBreaksBetweenWords) {
  TempFolder folder;
  platform.folder = folder.path();
  platform.chatWidth = chatBoxTextWidth;
  game.playerNick = "Player1";
  ui.input([&] { battlefieldKeyDown(game, kKeyEscape); });
  ui.input([&] { saveClick(game); });
  ChatView* box = window()->chat()->box();
  EXPECT_EQ(box->lines(), QStringList{QStringLiteral("Player1 Уровень 2 сохранен успешно")});
  const int bottom = box->geometry().bottom();

  const QString typed = QStringLiteral("Танки идут к северной стене крепости");
  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Return);
  ui.input([&] { chatLineChange(game, typed.toStdString()); });
  QTest::keyClick(window()->window()->windowHandle(), Qt::Key_Return);

  const QStringList lines = box->lines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[1] + ' ' + lines[2], "Player1: " + typed);
  EXPECT_TRUE(lines[2].front().isLetter());
  for (const QString& l : lines)
    EXPECT_LE(QFontMetricsF(box->font()).horizontalAdvance(l), box->width() - 4) << l.toStdString();
  EXPECT_EQ(box->height() - box->roomAbove(), 27 + 2 * 27);
  EXPECT_EQ(box->geometry().bottom(), bottom);
  // The box draws all three: red letters on each line's band.
  const QImage shown = box->grab().toImage();
  for (int line = 0; line < 3; ++line) {
    int red = 0;
    const int top = box->roomAbove() + line * 27;
    for (int y = top; y < top + 27; ++y)
      for (int x = 0; x < shown.width(); ++x) red += shown.pixelColor(x, y).red() > 128;
    EXPECT_GT(red, 50) << "line " << line;
  }
}

// The menu's backdrop shows the battlefield as it is now: a tank that drives on under the
// open menu is seen moving, and a still battlefield costs the backdrop no painting.
TEST_F(BattlefieldWindowTest, TheMenuBackdropShowsTheBattlefieldAsItIsNow) {
  put(5, Building::kTank, "tankvverh", 300, 300, 40, 92);
  game.selectedSlot = 5;
  game.tankSelected = true;
  ui.input([&] { mapMouseDown(game, 1, 300, 900); });  // drives down
  ui.input([&] { battlefieldKeyDown(game, kKeyEscape); });
  BackdropWindow* backdrop = ui.backdrop();
  ASSERT_NE(backdrop, nullptr);
  ASSERT_TRUE(backdrop->isVisible());
  settle();
  const auto grabBackdrop = [&] {
    settle();
    return QGuiApplication::primaryScreen()
        ->grabWindow(backdrop->window()->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  const QRect tankPath(280, 280, 80, 600);
  const float topBefore = f.objects[5].top;
  const QImage before = grabBackdrop();
  ui.advanceBy(200);
  const QImage after = grabBackdrop();
  ASSERT_GT(f.objects[5].top, topBefore);
  EXPECT_NE(before.copy(tankPath), after.copy(tankPath));
  // Darkened to 55/255 of what the battlefield shows there.
  const QImage lit = window()->grab().toImage();
  for (const QPoint spot : {QPoint(320, 360), QPoint(600, 600)}) {
    EXPECT_NEAR(qRed(after.pixel(spot)), lit.pixelColor(spot).red() * 55 / 255, 2);
    EXPECT_NEAR(qGreen(after.pixel(spot)), lit.pixelColor(spot).green() * 55 / 255, 2);
  }

  // The tank is stopped: nothing changes, nothing is painted.
  game.moveOrdered = false;
  game.clock.setEnabled(kMovementTimer, false);
  ui.advanceBy(100);
  settle();
  PaintCounter counter;
  backdrop->installEventFilter(&counter);
  ui.advanceBy(1000);
  settle();
  EXPECT_EQ(counter.paints, 0);
  backdrop->removeEventFilter(&counter);
}

}  // namespace
}  // namespace kr::test
