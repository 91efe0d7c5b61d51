// Крепостан: the game's windows on the Qt event loop.
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>

#include "model/game.h"
#include "model/shell/main_menu.h"
#include "ui/game_ui.h"
#include "ui/platform/qt_platform.h"
#include "ui/sprites/sprite_store.h"

int main(int argc, char** argv) {
  kr::QtPlatform::silenceAudioWarnings();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("krepostan"));
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  QApplication::setWindowIcon(SpriteStore::instance().icon(QStringLiteral("about_icon")));
  if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
      QGuiApplication::primaryScreen() == nullptr) {
    std::fprintf(stderr, "krepostan: no screen to open the game on\n");
    return 1;
  }

  kr::QtPlatform platform;
  kr::Game game(platform);
  kr::GameUi ui(game, /*realTime=*/true);
  ui.input([&game] { kr::startUp(game); });
  return QApplication::exec();
}
