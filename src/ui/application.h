// What the game tells Qt as it starts: which platform to open its windows on, its names and
// desktop entry, its icon and face, and Qt's own texts in Russian; and what it reads and
// connects to on other threads meanwhile.
#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <functional>
#include <thread>

class QTranslator;
class QWidget;

namespace kr {

// Notes on the start: where the sound cues were found and when the main menu is drawn.
// Quiet unless asked for with QT_LOGGING_RULES="krepostan.start.info=true"; a missing cue
// folder is always reported.
Q_DECLARE_LOGGING_CATEGORY(startLog)

// Where the translations of a program in programFolder lie: locale/ beside it (the build
// folder) or the locale folder of the prefix it is installed in (../share/locale from games/).
QString localeFolderOf(const QString& programFolder);

// The Qt platform the game asks for, given QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY.
// The player's own choice wins. Otherwise a Wayland desktop is used natively, with its X
// server (XWayland) as the fallback, and an X server alone is X11; empty leaves the choice
// to Qt.
QByteArray choosePlatform(const QByteArray& requested, const QByteArray& display,
                          const QByteArray& waylandDisplay);

// Before the QApplication exists: sets QT_QPA_PLATFORM as choosePlatform says, and on
// Wayland leaves the windows' decorations to the compositor, so that Qt sets up no EGL.
void selectPlatform();

// First thing in the process: the memory of a large pixel buffer (a window's backing store,
// the map's kept ground, a terrain tile: 7 to 8 MiB each at 1920 × 1080) goes back to the
// system as soon as the buffer goes. Left to itself, glibc raises its mapping threshold to
// the size of the first such buffer freed (the main menu's backing store, when the menu
// closes); from then on every screen-sized picture comes from the heap, leaves a resident
// hole there when it goes, and one that fits no hole grows the heap: battlefields brought
// up one after another left the process 5 MiB above a single game's peak.
void keepLargeBuffersMapped();

// The system's font configuration (its files parsed, its font caches opened) read on a
// thread of its own from the first line of the program, while Qt loads and connects to the
// display: a few milliseconds that the first text drawn would otherwise wait for.
// Fontconfig is safe to use from any thread; wait() before Qt's font list is first read,
// so that the configuration is not read twice.
class FontConfigurationReading {
 public:
  FontConfigurationReading();
  void wait();

 private:
  std::jthread reader_;
};

// Once the QApplication exists, on a desktop: connects to the desktop's session bus on a
// worker thread. Qt's accessibility bridge, which tells screen readers what the windows
// show, makes that connection the first time a label gets its text, and would hold up the
// main menu's first frame while it is made.
void connectToSessionBusAhead();

// Once the QApplication exists: the names, the desktop entry (which names the game's window
// to the desktop: X11's WM_CLASS and Wayland's app id are "krepostan"), the icon and the
// face.
void setUpApplication();

// Installs Qt's own Russian texts (message box buttons, context menus) from Qt's
// translations folder, with the Cyrillic "ОК" on the standard button. Returns the installed
// translator, owned by the application, or nullptr when the translations are not installed.
QTranslator* installQtRussian();

// A session that ends (SIGTERM) or Ctrl+C on the terminal (SIGINT) runs `end` on the event
// loop, as the desktop closing the game's window does, so that the program ends cleanly.
void onTerminationSignal(std::function<void()> end);

// Notes, as `what`, the widget's first frame once it is drawn and handed to the display.
void noteFirstPaint(QWidget* widget, const char* what);

}  // namespace kr
