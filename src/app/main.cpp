// Крепостан: the game's window on the Qt event loop.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "model/game.h"
#include "model/language/chosen_language.h"
#include "model/persist/player_folder.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "model/translation.h"
#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/game_ui.h"
#include "ui/platform/one_copy.h"
#include "ui/platform/qt_platform.h"
#include "ui/shell/main_menu_window.h"
#include "ui/window_placement.h"

int main(int argc, char** argv) {
  // The command line is answered before Qt starts, with or without a display.
  const kr::CommandLine commandLine = kr::readCommandLine(argc, argv);
  switch (commandLine.asks) {
    case kr::CommandLine::Asks::Help: std::fputs(kr::kUsage, stdout); return 0;
    case kr::CommandLine::Asks::Version: std::fputs(kr::kVersion, stdout); return 0;
    case kr::CommandLine::Asks::Wrong:
      std::fprintf(stderr, "krepostan: %s\n%s", commandLine.wrong.c_str(), kr::kUsage);
      return 2;
    case kr::CommandLine::Asks::Play: break;
  }
  if (const std::string why = kr::missingDisplay(commandLine); !why.empty()) {
    std::fprintf(stderr, "krepostan: %s\n", why.c_str());
    return 1;
  }
  kr::keepLargeBuffersMapped();
  kr::FontConfigurationReading fontConfiguration;
  kr::selectPlatform();
  QApplication app(argc, argv);
  if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
      QGuiApplication::primaryScreen() == nullptr) {
    std::fprintf(stderr, "krepostan: no screen to open the game on\n");
    return 1;
  }
  kr::connectToSessionBusAhead();
  // The language is chosen before any window takes its texts.
  const QString locale = kr::localeFolderOf(QCoreApplication::applicationDirPath());
  if (const std::string trouble = kr::text::speakChosenLanguage(
          commandLine.language, kr::playerFolder(kr::PlayerFolderKind::Configuration),
          locale.toStdString());
      !trouble.empty())
    std::fprintf(stderr, "krepostan: %s\n", trouble.c_str());
  if (!kr::text::speaksOwnLanguage())
    qCInfo(kr::startLog).noquote() << "texts in" << kr::text::spoken().c_str() << "from" << locale;
  fontConfiguration.wait();
  // One copy runs on a desktop: a second start brings the first one's window to the front.
  kr::OneCopy oneCopy;
  if (oneCopy.start() == kr::OneCopy::Start::Raised) return 0;
  if (oneCopy.start() == kr::OneCopy::Start::Unraised) {
    std::fprintf(stderr, "krepostan: the game runs already and did not come to the front\n");
    return 1;
  }
  // The main menu's first frame is prepared on worker threads while the rest sets up.
  kr::MainMenuWindow::prepareFirstFrame();
  kr::setUpApplication();
  // In a translation Qt speaks its own language.
  if (kr::text::speaksOwnLanguage() && !kr::installQtRussian())
    qCWarning(kr::startLog) << "Qt's Russian texts are not installed (qt6-translations-l10n)";
  const QString sounds = kr::QtPlatform::soundFolderOf(QCoreApplication::applicationDirPath());
  if (sounds.isEmpty())
    qCWarning(kr::startLog) << "no sound cues beside the program or in its data folder: the "
                               "game plays no sound";
  else qCInfo(kr::startLog).noquote() << "sound cues from" << sounds;
  qCInfo(kr::startLog).noquote() << "modules from"
                                 << kr::QtPlatform::moduleFolderOf(
                                        QCoreApplication::applicationDirPath());

  kr::QtPlatform platform;
  kr::Game game(platform);
  // The game's window comes up maximised; the size the desktop gives it is the game's
  // screen, which the main menu reads as it loads, and again should the desktop give the
  // window its size only after that (a Wayland compositor does so as the window is mapped).
  // The player's choice of F11 (the ordinary window, and its size) is kept from the last
  // game.
  const QString settings =
      QString::fromStdString(kr::playerFolder(kr::PlayerFolderKind::Configuration));
  const kr::WindowPlacement kept = kr::readWindowPlacement(settings);
  kr::GameUi ui(game, /*realTime=*/true, kept);
  platform.setGameWindow(ui.screen());
  oneCopy.setWindow(ui.screen());
  kr::onTerminationSignal([&ui, &game] { ui.input([&game] { kr::gameWindowClosed(game); }); });
  ui.input([&game] { kr::startUp(game); });
  if (ui.mainMenu()) kr::noteFirstPaint(ui.mainMenu(), "main menu on screen");
  const int status = QApplication::exec();
  // A game that never left the maximised window leaves the player's folder as it was.
  if (const kr::WindowPlacement now = ui.screen()->placement(); now != kept)
    kr::writeWindowPlacement(settings, now);
  return status;
}
