// A caption drawn ahead on a worker thread looks exactly as the label would draw it, is
// copied only while the label still looks as it was drawn for, and the main menu's title
// is one. On an ordinary screen and, built into the dense screen's tests too, on one of
// twice the density.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <future>

#include "model/game.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "ui/game_ui.h"
#include "ui/shell/main_menu_window.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/caption_label.h"

namespace kr::test {
namespace {

// A caption on a black window, as the main menu's title stands over its background.
class Caption : public ::testing::Test {
 protected:
  QWidget window;
  CaptionLabel* label = new CaptionLabel(&window);

  void SetUp() override {
    window.resize(500, 120);
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.setAutoFillBackground(true);
    label->setGeometry(4, 10, 492, 100);
    window.show();
  }

  void lookAs(const QString& text, const QFont& font, QColor colour, Qt::Alignment alignment) {
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
  }

  CaptionLook lookNow() const {
    const std::optional<CaptionLook> look = label->look();
    EXPECT_TRUE(look.has_value());
    return look.value_or(CaptionLook{});
  }

  QImage shown() {
    return window.grab(label->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(Caption, DrawnAheadItLooksAsTheLabelDrawsIt) {
  struct Case {
    const char* what;
    QFont font;
    Qt::Alignment alignment;
  };
  const Case cases[] = {
      {"the title's large script face, filled as outlines", face(kScriptFace, 60, true),
       Qt::AlignCenter},
      {"a small dialog face, from Qt's glyph cache", face(kDialogFace, 8),
       Qt::AlignLeft | Qt::AlignTop},
  };
  for (const auto& c : cases) {
    lookAs(QStringLiteral("Крепостан"), c.font, QColor(0xF0, 0xC8, 0x60), c.alignment);
    const QImage drawnByLabel = shown();
    QImage ahead(drawnByLabel.size(), QImage::Format_RGB32);
    ahead.setDevicePixelRatio(drawnByLabel.devicePixelRatio());
    ahead.fill(Qt::black);
    QPainter(&ahead).drawImage(QPoint(0, 0), drawCaption(lookNow()));
    EXPECT_EQ(ahead, drawnByLabel) << c.what;
  }
}

TEST_F(Caption, APreparedPictureIsCopiedOnlyWhileTheLabelLooksAsItWasDrawnFor) {
  lookAs(QStringLiteral("Крепостан"), face(kScriptFace, 60, true), Qt::yellow, Qt::AlignCenter);
  // A picture that no caption could look like shows which way the label drew.
  QImage red(label->size(), QImage::Format_ARGB32_Premultiplied);
  red.fill(Qt::red);
  std::promise<QImage> done;
  done.set_value(red);
  label->usePrepared(lookNow(), done.get_future().share());
  EXPECT_EQ(shown().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_TRUE(label->drewPrepared());

  label->setText(QStringLiteral("Игра"));
  EXPECT_EQ(shown().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_FALSE(label->drewPrepared());
  // Let go for good: looking as before again, the label still draws itself.
  label->setText(QStringLiteral("Крепостан"));
  EXPECT_EQ(shown().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_FALSE(label->drewPrepared());
}

TEST(MainMenuTitle, IsDrawnAheadForTheFirstMenu) {
  MainMenuWindow::prepareFirstFrame();
  FakePlatform platform;
  platform.folder = KREPOSTAN_PROGRAM_DIR;
  Game game{platform};
  GameUi ui{game, /*realTime=*/false};
  ui.input([&game] { startUp(game); });
  ASSERT_NE(ui.mainMenu(), nullptr);
  const QImage withTitle = ui.mainMenu()->grab().toImage();
  EXPECT_TRUE(ui.mainMenu()->title()->drewPrepared());

  // The next menu draws its own title, the same.
  ui.input([&game] { game.unload<MainMenu>(); });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui.input([&game] { startUp(game); });
  const QImage drawnAgain = ui.mainMenu()->grab().toImage();
  EXPECT_FALSE(ui.mainMenu()->title()->drewPrepared());
  EXPECT_EQ(drawnAgain, withTitle);
}

}  // namespace
}  // namespace kr::test
