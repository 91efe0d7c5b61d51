// The chat controls, the notepad and the network dialog take real input.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/battlefield/chat_box.h"
#include "ui/comm/network_dialog_window.h"
#include "ui/comm/notepad_window.h"
#include "ui/game_ui.h"
#include "ui/widgets/title_frame.h"

namespace kr::test {
namespace {

// Types text as key presses; QTest::keyClicks knows only ASCII.
void typeText(QWidget* w, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                        Qt::NoModifier);
}

class CommWindowsTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform};
  GameUi ui{game, /*realTime=*/false};

  // Mission 1 on screen, the chat input line open.
  Battlefield& battlefield() {
    game.levelNumber = 1;
    game.load<MainMenu>();
    game.unload<MainMenu>();
    game.playerNick = "Player1";
    Battlefield& f = game.load<Battlefield>();
    f.window.visible = true;
    f.chatLine.visible = true;
    ui.sync();
    return f;
  }
  ChatBox* chat() const { return ui.battlefield()->chat(); }
};

TEST_F(CommWindowsTest, TypedLineIsSentByADoubleClick) {
  Battlefield& f = battlefield();
  typeText(chat()->line(), QStringLiteral("привет"));
  EXPECT_EQ(f.chatLine.caption, "привет");
  QTest::mouseDClick(chat()->line(), Qt::LeftButton);
  EXPECT_EQ(f.chatBox.caption, "Player1: привет");
  EXPECT_EQ(chat()->line()->text(), QString());
  EXPECT_TRUE(chat()->box()->isVisible());
  // The box grew a line upwards; its view reaches over the map for the marks over capitals.
  EXPECT_EQ(chat()->box()->geometry().adjusted(0, chat()->box()->roomAbove(), 0, 0),
            QRect(0, 984 - 27 - 25 - 27, static_cast<int>(f.chatBox.width), 54));
  EXPECT_EQ(chat()->box()->lines(), QStringList{QStringLiteral("Player1: привет")});

  typeText(chat()->line(), QStringLiteral("ещё"));
  QTest::mouseDClick(chat()->line(), Qt::LeftButton);
  EXPECT_EQ(chat()->box()->lines(),
            (QStringList{QStringLiteral("Player1: привет"), QStringLiteral("Player1: ещё")}));
  ui.advanceBy(5000);
  EXPECT_FALSE(chat()->box()->isVisible());
}

TEST_F(CommWindowsTest, NotepadListsTheLinesAndAnswersItsControls) {
  Battlefield& f = battlefield();
  for (const char* text : {"один", "два"}) {
    typeText(chat()->line(), QString::fromUtf8(text));
    QTest::mouseDClick(chat()->line(), Qt::LeftButton);
  }
  ui.advanceBy(5000);
  f.window.enabled = false;
  game.load<GameMenu>().window.visible = true;
  game.notepad().window.visible = true;
  ui.sync();
  NotepadWindow* n = ui.notepad();
  ASSERT_NE(n, nullptr);
  EXPECT_TRUE(n->isVisible());
  EXPECT_EQ(n->geometry(), QRect(569, 410, 143, 165));  // centred, halves rounded up
  ASSERT_EQ(n->list()->count(), 2);
  EXPECT_EQ(n->list()->item(1)->text(), QStringLiteral("Player1: два"));

  QListWidget* list = n->list();
  const QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(f.chatBox.caption, "Блокнот: Player1: два");

  QTest::mouseClick(n->backButton(), Qt::LeftButton);
  EXPECT_FALSE(n->isVisible());
  EXPECT_TRUE(game.gameMenu().window.visible);

  game.notepad().window.visible = true;
  ui.sync();
  QTest::keyClick(list, Qt::Key_Escape);  // the window sees the key before its list
  EXPECT_FALSE(game.notepad().window.visible);
  EXPECT_TRUE(f.window.enabled);
}

TEST_F(CommWindowsTest, NetworkDialogWindow) {
  game.levelNumber = 100;
  game.load<NetworkDialog>().window.visible = true;
  ui.sync();
  NetworkDialogWindow* d = ui.networkDialog();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->frame()->title()->text(), QStringLiteral("Form4"));
  EXPECT_EQ(d->addressBox()->text(), QStringLiteral("192.168.0.2"));

  d->addressBox()->selectAll();
  QTest::keyClicks(d->addressBox(), QStringLiteral("10.1.2.3"));
  EXPECT_EQ(game.networkDialog().addressBox.caption, "10.1.2.3");
  QTest::mouseClick(d->joinButton(), Qt::LeftButton);
  ASSERT_EQ(platform.connects.size(), 2u);
  EXPECT_EQ(platform.connects[0].host, "10.1.2.3");
  EXPECT_EQ(ui.networkDialog(), nullptr);  // closed, the briefing is next
}

TEST_F(CommWindowsTest, NetworkDialogCloseBoxEndsTheProgram) {
  game.load<NetworkDialog>().window.visible = true;
  ui.sync();
  QTest::mouseClick(ui.networkDialog()->frame()->closeBox(), Qt::LeftButton);
  EXPECT_TRUE(game.ended);
  EXPECT_TRUE(platform.endCalled);
}

}  // namespace
}  // namespace kr::test
