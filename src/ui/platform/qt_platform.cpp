// The platform on Qt.
#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <set>

#include "model/cues.h"
#include "model/texts.h"
#include "ui/battlefield/chat_box.h"
#include "ui/platform/sockets.h"
#include "ui/platform/sound_channel.h"

namespace kr {

namespace {

QtMessageHandler previousHandler = nullptr;

void filterAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
  if (msg.contains(QLatin1String("PulseAudioService")) ||
      msg.contains(QLatin1String("No audio device")) ||
      (context.category && QByteArray(context.category).startsWith("qt.multimedia")))
    return;
  if (previousHandler) previousHandler(type, context, msg);
}

Q_LOGGING_CATEGORY(moduleLog, "krepostan.modules")

// The object a module's entry point makes, or nullptr, said once on the error output, when
// the module cannot be loaded.
template <class T>
std::unique_ptr<T> loadModule(const QString& folder, const char* file, const char* entry,
                              const char* without) {
  QLibrary module(QDir(folder).filePath(QString::fromUtf8(file)));
  // The module stays loaded after `module` goes: the object it makes lives on.
  const auto make = reinterpret_cast<T* (*)()>(module.resolve(entry));
  if (!make) {
    // Qt's message names the file and says why, as the dynamic loader put it.
    qCWarning(moduleLog).noquote()
        << module.errorString() + QStringLiteral("; ") + QString::fromUtf8(without);
    return nullptr;
  }
  qCInfo(moduleLog).noquote() << "loaded" << module.fileName();
  return std::unique_ptr<T>(make());
}

// Sockets without the network module: nothing can listen, and every connection is refused,
// told to the game after the call as a refused connection is.
class RefusingSockets final : public Sockets {
 public:
  void setEvents(SocketEvents* sink) override { sink_ = sink; }
  SocketId listen(int) override { return 0; }
  SocketId connect(const std::string&, int) override {
    const SocketId id = nextId_++;
    open_.insert(id);
    QMetaObject::invokeMethod(
        &context_,
        [this, id] {
          if (sink_ && open_.count(id)) sink_->socketError(id);
        },
        Qt::QueuedConnection);
    return id;
  }
  void accept(SocketId, int) override {}
  void close(SocketId socket) override { open_.erase(socket); }

 private:
  QObject context_;
  SocketEvents* sink_ = nullptr;
  std::set<SocketId> open_;
  SocketId nextId_ = 1;
};

bool isWaveFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = f.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

}  // namespace

QtPlatform::QtPlatform(QString moduleFolder) : moduleFolder_(std::move(moduleFolder)) {}
QtPlatform::~QtPlatform() = default;

void QtPlatform::silenceAudioWarnings() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  previousHandler = qInstallMessageHandler(filterAudioWarnings);
}

QString QtPlatform::playableFile(const QString& path, const QString& defaultCue) {
  if (isWaveFile(path)) return path;
  if (isWaveFile(defaultCue)) return defaultCue;
  return {};
}

QString QtPlatform::moduleFolderOf(const QString& programFolder) {
  const QDir program(programFolder);
  if (program.exists(QStringLiteral(KREPOSTAN_SOUND_MODULE))) return programFolder;
  return QDir::cleanPath(program.filePath(QStringLiteral(KREPOSTAN_MODULES_FROM_PROGRAM)));
}

const QString& QtPlatform::moduleFolder() {
  if (moduleFolder_.isEmpty())
    moduleFolder_ = moduleFolderOf(QCoreApplication::applicationDirPath());
  return moduleFolder_;
}

SoundChannel* QtPlatform::sound() {
  if (!soundTried_) {
    soundTried_ = true;
    sound_ = loadModule<SoundChannel>(moduleFolder(), KREPOSTAN_SOUND_MODULE, kMakeSoundChannel,
                                      "the game plays no sound");
  }
  return sound_.get();
}

Sockets& QtPlatform::sockets() {
  if (!sockets_) {
    sockets_ = loadModule<Sockets>(moduleFolder(), KREPOSTAN_NETWORK_MODULE, kMakeSockets,
                                   "the network game cannot connect");
    if (!sockets_) sockets_ = std::make_unique<RefusingSockets>();
    sockets_->setEvents(socketEvents_);
  }
  return *sockets_;
}

void QtPlatform::playSound(const std::string& path) {
  SoundChannel* channel = sound();
  // No sound module or no audio device: the game stays silent.
  if (!channel || !channel->audioAvailable()) return;
  const QString file = playableFile(QString::fromStdString(path),
                                    QString::fromStdString(soundFolder() + "/" + cue::kDefault));
  if (file.isEmpty()) return;
  channel->play(file);
}

void QtPlatform::systemMessage(const std::string& text, MessageIcon icon) {
  auto* box = new QMessageBox(
      icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
      QString::fromUtf8(text::kGameName), QString::fromStdString(text), QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
  box->raise();
}

void QtPlatform::endProgram() {
  if (sound_) sound_->stop();
  QCoreApplication::exit(0);
}

Point QtPlatform::cursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

Size QtPlatform::usableScreen() {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {1024, 768};
  const QSize size = s->availableGeometry().size();
  return {size.width(), size.height()};
}

Size QtPlatform::fullScreen() {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {1024, 768};
  const QSize size = s->geometry().size();
  return {size.width(), size.height()};
}

float QtPlatform::chatTextWidth(const std::string& text) { return chatBoxTextWidth(text); }

void QtPlatform::seedRandom(std::uint32_t seed) { rng_.seed(seed); }

float QtPlatform::random() { return rng_.next(); }

std::uint32_t QtPlatform::defaultSeed() { return 327680; }

std::uint32_t QtPlatform::secondsSinceMidnight() {
  return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
}

std::string QtPlatform::programFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

QString QtPlatform::soundFolderOf(const QString& programFolder) {
  const QString marker = QString::fromUtf8(cue::kDefault);
  const QDir program(programFolder);
  if (program.exists(marker)) return programFolder;
  const QString installed =
      QDir::cleanPath(program.filePath(QStringLiteral(KREPOSTAN_DATA_FROM_PROGRAM)));
  if (QDir(installed).exists(marker)) return installed;
  return {};
}

std::string QtPlatform::soundFolder() {
  if (soundFolder_.isEmpty()) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString found = soundFolderOf(program);
    soundFolder_ = found.isEmpty() ? program : found;
  }
  return soundFolder_.toStdString();
}

std::string QtPlatform::userDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

// The game hands over its event sink as it starts; the module waits for the first listen
// or connect. Before that no socket exists to accept on or to close.
void QtPlatform::setSocketEvents(SocketEvents* sink) {
  socketEvents_ = sink;
  if (sockets_) sockets_->setEvents(sink);
}
SocketId QtPlatform::listen(int port) { return sockets().listen(port); }
SocketId QtPlatform::connect(const std::string& host, int port) {
  return sockets().connect(host, port);
}
void QtPlatform::accept(SocketId listener, int requestId) {
  if (sockets_) sockets_->accept(listener, requestId);
}
void QtPlatform::close(SocketId socket) {
  if (sockets_) sockets_->close(socket);
}

}  // namespace kr
