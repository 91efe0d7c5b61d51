// The game's window at every size it plays in and at every pixel density: each screen's
// controls lie inside the window and inside what holds them, their texts inside them; a
// battle follows its window through a resize; a moving item leaves no trace on the screen.
// Built into the ordinary window tests and into those of the denser screens, each running
// the cases of its own density.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "model/battlefield/navigation.h"
#include "model/battlefield/pointer.h"
#include "model/comm/notepad.h"
#include "model/core/building_kinds.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "support/chat_steps.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/battlefield/chat_box.h"
#include "ui/game_ui.h"
#include "ui/widgets/wrap_button.h"

namespace kr::test {
namespace {

struct WindowSize {
  int width;
  int height;
  qreal scale;  // the screen's pixels to a logical pixel
};

// The desktop's pixels: at a scale of 1.5 a 2560 x 1440 screen is 1706 x 960 logical ones.
const WindowSize kSizes[] = {{1024, 600, 1},  {1280, 690, 1},   {1366, 728, 1},
                             {1920, 1048, 1}, {1706, 960, 1.5}, {1920, 1080, 2}};

// The scale of the screen these tests run on.
qreal runningScale() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->devicePixelRatio() : 1;
}

std::vector<WindowSize> sizesHere() {
  std::vector<WindowSize> here;
  for (const WindowSize& s : kSizes)
    if (s.scale == runningScale()) here.push_back(s);
  return here;
}

std::string named(const QWidget* w) {
  std::string out = w->metaObject()->className();
  if (!w->objectName().isEmpty()) out += " " + w->objectName().toStdString();
  if (const auto* l = qobject_cast<const QLabel*>(w)) out += " «" + l->text().toStdString() + "»";
  if (const auto* b = qobject_cast<const QAbstractButton*>(w))
    out += " «" + b->text().toStdString() + "»";
  return out;
}

// Qt's own parts of a control (a line edit's buttons, a list's scroll bars) are Qt's to
// place.
bool ownedByQt(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->objectName().startsWith(QLatin1String("qt_"))) return true;
  return false;
}

// The text a label or a button shows, and where it stands in the control; empty when the
// control shows none or draws its own, fitted to it (a caption that wraps).
QRect textIn(const QWidget* w) {
  QString text;
  int alignment = Qt::AlignCenter;
  QRect room = w->rect();
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()) || l->wordWrap())
      return {};
    text = l->text();
    alignment = static_cast<int>(l->alignment());
    room = l->contentsRect();
  }
  if (const auto* b = qobject_cast<const QAbstractButton*>(w);
      b && !dynamic_cast<const WrapButton*>(w))
    text = b->text();
  // Trailing spaces («Металл:   ») take room but show nothing.
  text = text.trimmed();
  if (text.isEmpty() || text.contains('\n')) return {};
  return QFontMetrics(w->font()).boundingRect(room, alignment, text);
}

// Every shown control of every layer shows whole in the game's window: as far as its parents
// let it show it lies inside the window, and its text lies across inside the control and
// inside the control's parent. (The game's stored layout makes a few controls a little wider than
// their frame, the frame cutting off only empty room.)
void expectWhole(QWidget* screen) {
  const QRect window = screen->rect();
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(screen) || ownedByQt(w) || w->width() <= 0 || w->height() <= 0) continue;
    SCOPED_TRACE(named(w));
    QRect shows(w->mapTo(screen, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p != screen; p = p->parentWidget())
      shows &= QRect(p->mapTo(screen, QPoint(0, 0)), p->size());
    // The minimap's column is taller than any screen: it lies inside across and from the top.
    if (w->objectName() == QLatin1String("minimapColumn")) {
      EXPECT_EQ(shows.topRight(), window.topRight());
      continue;
    }
    EXPECT_TRUE(window.contains(shows)) << "shows at " << shows.x() << ", " << shows.y() << " size "
                                        << shows.width() << " x " << shows.height();
    // Across: a line's box is taller than its letters, which a caption strip fits tightly.
    const QRect text = textIn(w);
    if (text.isEmpty()) continue;
    const auto across = [](const QRect& outer, const QRect& inner) {
      return inner.left() >= outer.left() && inner.right() <= outer.right();
    };
    EXPECT_TRUE(across(w->rect(), text)) << "text " << text.width() << " in " << w->width();
    EXPECT_TRUE(across(w->parentWidget()->rect(), text.translated(w->pos())));
  }
}

// A player's building on the map, inspected: the inspection frame shows its power switch.
void inspectAccumulator(Game& g) {
  Battlefield& f = g.battlefield();
  MapObject& o = f.objects[5];
  o = MapObject{Building::kAccumulator, 300, 300, 49, 49, "akum", true, {}, 0};
  objectClick(g, 5);
}

void battleWithChat(Game& g) {
  toBattlefield(g);
  inspectAccumulator(g);
  g.playerNick = "Воевода Ёжиков";
  sayInChat(g, "Йод");
}

const std::pair<const char*, std::function<void(Game&)>> kScreens[] = {
    {"main menu", startProgram},
    {"about box", [](Game& g) { startProgram(g), aboutClick(g); }},
    {"network dialog", [](Game& g) { startProgram(g), networkGameClick(g); }},
    {"briefing", [](Game& g) { toBriefing(g), loadTerrain(g); }},
    {"battlefield", battleWithChat},
    {"in-game menu", [](Game& g) { battleWithChat(g), pauseWithMenu(g); }},
    {"exit question", [](Game& g) { toBattlefield(g), pauseWithMenu(g), menuExitClick(g); }},
    {"notepad", [](Game& g) { battleWithChat(g), pauseWithMenu(g), notepadClick(g); }},
};

TEST(WindowSizes, EveryControlOfEveryScreenLiesInsideTheWindow) {
  for (const WindowSize& size : sizesHere()) {
    for (const auto& [name, steps] : kScreens) {
      SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height) + ", " + name);
      FakePlatform platform;
      platform.folder = KREPOSTAN_PROGRAM_DIR;
      platform.usable = platform.full = {size.width, size.height};
      Game game(platform);
      steps(game);
      GameUi ui(game, /*realTime=*/false);
      ui.sync();
      QApplication::processEvents();
      ASSERT_EQ(ui.screen()->size(), QSize(size.width, size.height));
      expectWhole(ui.screen());
    }
  }
}

// The chat box's first line keeps the marks over its capitals: «Ё» with its dots.
TEST(WindowSizes, TheChatBoxShowsItsFirstLineWhole) {
  FakePlatform platform;
  platform.usable = platform.full = {1280, 690};
  Game game(platform);
  battleWithChat(game);
  GameUi ui(game, /*realTime=*/false);
  ui.sync();
  ChatView* box = ui.battlefield()->chat()->box();
  ASSERT_TRUE(box->isVisible());
  ASSERT_FALSE(box->lines().isEmpty());
  const QString first = box->lines().front();
  ASSERT_TRUE(first.contains(QStringLiteral("Ё"))) << first.toStdString();
  const QFontMetrics metrics(box->font());
  const int baseline = box->roomAbove() + 27 - metrics.descent();
  const QRect drawn = metrics.boundingRect(first).translated(0, baseline);
  EXPECT_GE(drawn.top(), 0);
  // And the black box itself stays where the game puts it, above the chat line.
  EXPECT_EQ(box->geometry().bottom() + 1, qRound(game.battlefield().chatBox.bottom()));
}

class ResizedBattle : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};

  // The desktop gives the game's window another size.
  void resize(GameUi& ui, QSize size) {
    platform.usable = platform.full = {size.width(), size.height()};
    ui.screen()->resize(size);
    QApplication::processEvents();
  }
};

TEST_F(ResizedBattle, EveryPanelStaysWholeAndTheGameUnchanged) {
  if (runningScale() != 1) GTEST_SKIP() << "sizes of the ordinary screen";
  platform.usable = platform.full = {1920, 1048};
  battleWithChat(game);
  Battlefield& f = game.battlefield();
  f.locatorBuilt = true;
  scrollViewTo(f, 4250, 4850);  // as far as edge scrolling goes
  GameUi ui(game, /*realTime=*/false);
  ui.sync();
  const auto stocks = std::tuple{f.energy, f.metal, f.wood};
  for (const QSize size : {QSize(1280, 690), QSize(1920, 1048)}) {
    SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    resize(ui, size);
    EXPECT_EQ(game.screenWidth, size.width());
    EXPECT_EQ(game.screenHeight, size.height());
    expectWhole(ui.screen());
    EXPECT_EQ(ui.battlefield()->geometry(), QRect(QPoint(0, 0), size));
    EXPECT_LE(f.viewX, scrollLimit(game).x + kScrollStep);
    EXPECT_LE(f.viewY, scrollLimit(game).y + kScrollStep);
    EXPECT_EQ((std::tuple{f.energy, f.metal, f.wood}), stocks);
  }
}

// What the window's buffer holds after the item in hand has moved about equals a fresh
// paint of the window: every screen pixel the item touched was painted again.
TEST(WindowSizes, AMovedItemLeavesNoTrace) {
  if (runningScale() == 1) GTEST_SKIP() << "for the denser screens";
  FakePlatform platform;
  platform.usable = platform.full = {1280, 690};
  Game game(platform);
  toBattlefield(game);
  game.developerMode = true;
  GameUi ui(game, /*realTime=*/false);
  ui.input([&] { orderItem(game, Building::kAccumulator); });
  ASSERT_TRUE(game.battlefield().placementPending);
  // Steps of a third and a half of a pixel, right and down, then back left.
  for (int i = 0; i < 40; ++i) {
    const float x = 300 + static_cast<float>(i) * 7.5f;
    const float y = 300 + static_cast<float>(i) * 2.333f;
    ui.input([&] { mapMouseMove(game, 0, x, y); });
    QApplication::processEvents();
  }
  for (int i = 0; i < 20; ++i) {
    ui.input([&] { mapMouseMove(game, 0, 600 - static_cast<float>(i) * 11.5f, 390); });
    QApplication::processEvents();
  }
  QApplication::processEvents();
  QWidget* screen = ui.screen();
  // The offscreen platform's buffer of a window is an image in the screen's pixels.
  QPaintDevice* store = screen->backingStore()->paintDevice();
  ASSERT_EQ(store->devType(), QInternal::Image);
  const QImage buffer = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
  const QImage fresh = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(buffer.size(), fresh.size());
  int differing = 0;
  int firstX = -1;
  for (int y = 0; y < fresh.height(); ++y)
    for (int x = 0; x < fresh.width(); ++x)
      if (buffer.pixel(x, y) != fresh.pixel(x, y)) {
        if (firstX < 0) firstX = x;
        ++differing;
      }
  EXPECT_EQ(differing, 0) << "first at x " << firstX;
}

}  // namespace
}  // namespace kr::test
