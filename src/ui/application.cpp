// The game's start on Qt: platform, names, desktop entry, icon, face and Qt's Russian texts;
// the font configuration and the session bus made ready on other threads.
#include "ui/application.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QThreadPool>
#include <QTranslator>
#include <QWidget>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "ui/sprites/sprite_store.h"
#include "ui/widgets/faces.h"

namespace kr {

Q_LOGGING_CATEGORY(startLog, "krepostan.start", QtWarningMsg)

QString localeFolderOf(const QString& programFolder) {
  const QDir program(programFolder);
  if (program.exists(QStringLiteral("locale"))) return program.filePath(QStringLiteral("locale"));
  return QDir::cleanPath(program.filePath(QStringLiteral(KREPOSTAN_LOCALE_FROM_PROGRAM)));
}

namespace {
constexpr const char* kNoDecorations = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
}  // namespace

QByteArray choosePlatform(const QByteArray& requested, const QByteArray& display,
                          const QByteArray& waylandDisplay) {
  if (!requested.isEmpty()) return requested;
  if (!waylandDisplay.isEmpty()) return display.isEmpty() ? "wayland" : "wayland;xcb";
  if (!display.isEmpty()) return "xcb";
  return {};
}

void selectPlatform() {
  const QByteArray platform =
      choosePlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
  if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
  // On Wayland Qt asks, for every window it shows, whether it could draw the window's
  // decorations itself, and to answer it sets up EGL: Mesa's renderer and its compiler are
  // mapped and initialised (some 50 MiB resident) in a program that draws everything in its
  // own memory. The game's window is frameless and needs none; the error message boxes then
  // stand without a title bar where the compositor draws none either. The player's own
  // setting wins.
  if (platform.startsWith("wayland") && !qEnvironmentVariableIsSet(kNoDecorations))
    qputenv(kNoDecorations, "1");
}

void keepLargeBuffersMapped() {
#if defined(__GLIBC__)
  // Set once, the threshold no longer moves. 1 MiB keeps the sprites and the buffers of
  // decoding a picture, which come and go often, on the heap, where they are reused, and
  // sends every screen-sized buffer straight to the system.
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
  // Fixing the threshold leaves the heap's trim threshold at its 128 KiB start, below the
  // buffers the heap now serves: each one freed would hand its pages back and the next one
  // fault them in afresh. Twice the mapping threshold, as glibc itself would set it.
  mallopt(M_TRIM_THRESHOLD, 2 * 1024 * 1024);
#endif
}

FontConfigurationReading::FontConfigurationReading() : reader_([] { FcInit(); }) {}

void FontConfigurationReading::wait() {
  if (reader_.joinable()) reader_.join();
}

void connectToSessionBusAhead() {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
}

namespace {

// Qt's Russian texts, except that its translators kept the Latin "OK" on the standard
// button, where a Russian desktop reads the Cyrillic "ОК".
class QtRussianTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    if (qstrcmp(context, "QPlatformTheme") == 0 && qstrcmp(sourceText, "OK") == 0)
      return QStringLiteral("ОК");
    return QTranslator::translate(context, sourceText, disambiguation, n);
  }
};

}  // namespace

QTranslator* installQtRussian() {
  auto* translator = new QtRussianTexts;
  translator->setParent(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

void setUpApplication() {
  // No display name: Qt would append it to every window title.
  QGuiApplication::setApplicationName(QStringLiteral("krepostan"));
  QGuiApplication::setDesktopFileName(QStringLiteral("krepostan"));
  QApplication::setFont(face(kDialogFace, 8));
  QGuiApplication::setWindowIcon(SpriteStore::instance().icon(QStringLiteral("about_icon")));
}

namespace {

// Reports the first frame of the widget it watches once it is painted and handed to the
// display, then goes.
class FirstPaintNote : public QObject {
 public:
  FirstPaintNote(QWidget* widget, const char* what) : QObject(widget), what_(what) {
    widget->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // The frame goes to the display when the paint returns: report after that.
      QMetaObject::invokeMethod(
          this,
          [this] {
            qCInfo(startLog) << what_;
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  const char* what_;
};

}  // namespace

void noteFirstPaint(QWidget* widget, const char* what) { new FirstPaintNote(widget, what); }

namespace {

int signalPipe[2] = {-1, -1};

void noteSignal(int) {
  const char byte = 1;
  // Nothing else is safe in a signal handler; a full pipe already carries the news.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void onTerminationSignal(std::function<void()> end) {
  if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier =
      new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [end = std::move(end)] {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    end();
  });
  struct sigaction action {};
  action.sa_handler = noteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace kr
