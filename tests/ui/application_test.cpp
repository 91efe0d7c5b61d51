// How the game starts on Qt: the platform it asks for, the window titles as the desktop shows
// them, and Qt's own controls speaking Russian.
#include <gtest/gtest.h>

#include <qpa/qplatformwindow.h>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QWindow>
#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "ui/application.h"
#include "ui/battlefield/battlefield_window.h"
#include "ui/comm/network_dialog_window.h"
#include "ui/comm/notepad_window.h"
#include "ui/command_line.h"
#include "ui/game_ui.h"
#include "ui/platform/qt_platform.h"
#include "ui/shell/about_window.h"
#include "ui/shell/backdrop_window.h"
#include "ui/shell/briefing_window.h"
#include "ui/shell/game_menu_window.h"
#include "ui/shell/main_menu_window.h"
#include "ui/shell/message_box_window.h"
#include "ui/widgets/title_frame.h"

// Failures show the texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kr::test {
namespace {

TEST(Platform, WaylandIsNativeAndThePlayersChoiceWins) {
  struct Case {
    const char* requested;
    const char* display;
    const char* wayland;
    const char* chosen;
  };
  const Case cases[] = {
      {"", ":0", "", "xcb"},                   // an X11 desktop
      {"", ":0", "wayland-0", "wayland;xcb"},  // Wayland with XWayland
      {"", "", "wayland-0", "wayland"},        // Wayland alone
      {"", "", "", ""},                        // nothing known: Qt decides
      {"xcb", ":0", "wayland-0", "xcb"},       // the player's choice
      {"wayland", ":0", "", "wayland"},
      {"offscreen", ":0", "", "offscreen"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(choosePlatform(c.requested, c.display, c.wayland), QByteArray(c.chosen))
        << c.requested << " | " << c.display << " | " << c.wayland;
}

// The command line of a start with those words after the program's name.
CommandLine read(const std::vector<std::string>& args) {
  std::vector<std::string> words{"krepostan"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  return readCommandLine(static_cast<int>(argv.size()), argv.data());
}

// --language passes on what it names, as typed (what it means is the model's); help and
// version win wherever they stand; Qt's own options pass untouched; anything else is a wrong
// command line.
TEST(CommandLine, LanguageAsTypedQtsOptionsPassTheRestIsWrong) {
  using Asks = CommandLine::Asks;
  struct Case {
    std::vector<std::string> args;
    Asks asks;
    std::string language = {};
    std::string platform = {};
  };
  const Case cases[] = {
      {{}, Asks::Play},
      {{"--language", "en"}, Asks::Play, "en"},
      {{"--language=en_GB.UTF-8"}, Asks::Play, "en_GB.UTF-8"},
      {{"--language", "ru"}, Asks::Play, "ru"},
      {{"--language"}, Asks::Wrong},  // no language named
      {{"-platform", "offscreen", "--help"}, Asks::Help, "", "offscreen"},
      {{"--language", "EN-us", "-h"}, Asks::Help, "EN-us"},
      {{"--version"}, Asks::Version},
      {{"--bogus", "--version"}, Asks::Version},
      {{"--bogus"}, Asks::Wrong},
      {{"-x"}, Asks::Wrong},
      {{"save.ssav"}, Asks::Wrong},
      {{"--platform", "xcb", "-style=fusion", "-reverse", "-display", ":3"}, Asks::Play, "", "xcb"},
      {{"-style"}, Asks::Wrong},      // Qt's option without its value
      {{"-reverse=1"}, Asks::Wrong},  // one that takes none
  };
  for (const Case& c : cases) {
    const CommandLine line = read(c.args);
    const std::string shown = c.args.empty() ? "(nothing)" : c.args[0];
    EXPECT_EQ(line.asks, c.asks) << shown;
    EXPECT_EQ(line.language, c.language) << shown;
    EXPECT_EQ(line.platform, c.platform) << shown;
    if (c.asks == Asks::Wrong) {
      EXPECT_FALSE(line.wrong.empty()) << shown;  // what to tell
    }
  }
}

// A display is missing only when neither variable names one and every platform that would
// be tried needs one.
TEST(CommandLine, NoDisplayOnlyWhereThePlatformNeedsOne) {
  struct Case {
    std::vector<std::string> args;
    const char* qpa;
    const char* display;
    const char* wayland;
    bool missing;
  };
  const Case cases[] = {
      {{}, nullptr, nullptr, nullptr, true},
      {{}, "", "", "", true},
      {{}, "xcb", nullptr, nullptr, true},
      {{}, "wayland;xcb", nullptr, nullptr, true},
      {{}, nullptr, ":0", nullptr, false},
      {{}, nullptr, nullptr, "wayland-0", false},
      {{}, "offscreen", nullptr, nullptr, false},
      {{}, "wayland;offscreen", nullptr, nullptr, false},
      {{"-platform", "offscreen"}, "xcb", nullptr, nullptr, false},
      {{"-platform", "xcb"}, "offscreen", nullptr, nullptr, true},
      {{"-display", ":5"}, "xcb", nullptr, nullptr, false},
  };
  for (const Case& c : cases) {
    const CommandLine line = read(c.args);
    EXPECT_EQ(!missingDisplay(line, c.qpa, c.display, c.wayland).empty(), c.missing)
        << (c.qpa ? c.qpa : "(unset)") << " | " << (c.display ? c.display : "(unset)") << " | "
        << (c.wayland ? c.wayland : "(unset)");
  }
}

// The title a desktop shows for a window: what Qt's X11 and Wayland windows put in the title
// bar and the task list.
struct PlatformTitle : QPlatformWindow {
  using QPlatformWindow::formatWindowTitle;
};
QString shownTitle(QWidget* w) {
  if (!w->windowHandle()) w->winId();
  return PlatformTitle::formatWindowTitle(w->windowHandle()->title(), QStringLiteral(" — "));
}

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// A screen-sized picture made after another one went is mapped from the system too, not
// carved from the heap where its memory would stay when it goes. (Under AddressSanitizer
// its own allocator stands in for glibc's.)
TEST(Memory, EveryScreenSizedPictureIsMappedFromTheSystem) {
  keepLargeBuffersMapped();
  for (int i = 0; i < 2; ++i) {
    const std::size_t mappedBefore = mallinfo2().hblkhd;
    const QImage picture(1920, 1080, QImage::Format_RGB32);
    EXPECT_GE(mallinfo2().hblkhd - mappedBefore, static_cast<std::size_t>(picture.sizeInBytes()))
        << "picture " << i;
  }
}
#endif

// With every window of the game loaded and shown, the desktop sees one window, titled with
// the game's name; the framed windows inside it draw their own titles.
TEST(GameWindow, TheDesktopSeesOneWindowTitledWithTheGamesName) {
  const QFont font = QApplication::font();
  setUpApplication();
  FakePlatform platform;
  platform.folder = KREPOSTAN_PROGRAM_DIR;
  Game game{platform};
  GameUi ui{game, /*realTime=*/false};
  ui.input([&game] {
    startUp(game);
    forEachWindow([&game]<class W>(std::type_identity<W>) { game.load<W>().window.show(); });
  });

  std::vector<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) shown.push_back(w);
  ASSERT_EQ(shown, std::vector<QWidget*>{ui.screen()});
  EXPECT_EQ(shownTitle(ui.screen()), QStringLiteral("Крепостан"));
  EXPECT_TRUE(ui.screen()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("krepostan"));
  const QWidget* layers[] = {ui.battlefield(), ui.briefing(),      ui.backdrop(),
                             ui.gameMenu(),    ui.notepad(),       ui.mainMenu(),
                             ui.about(),       ui.networkDialog(), ui.messageBox()};
  for (const QWidget* layer : layers) {
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->parentWidget(), ui.screen());
  }
  // The game's window gives its layers no colours of its own: a button of the main menu is
  // drawn in the desktop style's colours, as it was in a window of its own.
  EXPECT_EQ(ui.mainMenu()->button(0)->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Window));
  EXPECT_EQ(ui.about()->frame()->title()->text(), QStringLiteral("About"));
  EXPECT_EQ(ui.networkDialog()->frame()->title()->text(), QStringLiteral("Form4"));
  QApplication::setFont(font);
}

// Qt's Russian texts, installed for the length of a test.
class QtRussian : public ::testing::Test {
 protected:
  void SetUp() override {
    translator_ = installQtRussian();
    ASSERT_NE(translator_, nullptr) << "Qt's Russian translations (qt6-translations-l10n)";
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(translator_);
    delete translator_;
  }

 private:
  QTranslator* translator_ = nullptr;
};

TEST_F(QtRussian, ThePlatformMessageBoxAnswersInRussian) {
  QtPlatform platform;
  platform.systemMessage("Загрузить не получилось!", MessageIcon::Critical);
  QMessageBox* box = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
  ASSERT_NE(box, nullptr);
  ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
  EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("ОК"));
  box->close();
}

TEST_F(QtRussian, TheLineEditsContextMenuIsInRussian) {
  QLineEdit edit(QStringLiteral("Игрок"));
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList entries;
  for (const QAction* a : menu->actions())
    if (!a->isSeparator()) entries << a->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_EQ(entries, (QStringList{"&Отменить действие", "&Повторить действие", "&Вырезать",
                                  "&Копировать", "В&ставить", "Удалить", "Выделить всё"}));
}

}  // namespace
}  // namespace kr::test
