// The platform on Qt.
#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTime>
#include <set>

#include "model/cues.h"
#include "model/persist/player_folder.h"
#include "model/texts.h"
#include "ui/battlefield/chat_box.h"
#include "ui/platform/module_file.h"
#include "ui/platform/sockets.h"
#include "ui/platform/sound_channel.h"

namespace kr {

namespace {

// Warnings on the modules always show; the line on each module loaded only when asked for
// (QT_LOGGING_RULES="krepostan.modules.info=true").
Q_LOGGING_CATEGORY(moduleLog, "krepostan.modules", QtWarningMsg)

void moduleWarning(const QString& path, const QString& problem, const char* without) {
  qCWarning(moduleLog).noquote() << path + QStringLiteral(": ") + problem + QStringLiteral("; ") +
                                        QString::fromUtf8(without);
}

// The object a module's entry point makes, or nullptr, said once on the error output with
// the file and the reason, when the module cannot be loaded. The file is only mapped when
// it looks like a whole library.
template <class T>
std::unique_ptr<T> loadModule(const QString& path, const char* entry, const char* without) {
  const QString problem = QFileInfo::exists(path)
                              ? moduleFileProblem(path)
                              : QStringLiteral("missing, and not beside the program either");
  if (!problem.isEmpty()) {
    moduleWarning(path, problem, without);
    return nullptr;
  }
  QLibrary module(path);
  if (!module.load()) {
    // Qt's message names the file and says why, as the dynamic loader put it.
    qCWarning(moduleLog).noquote()
        << module.errorString() + QStringLiteral("; ") + QString::fromUtf8(without);
    return nullptr;
  }
  // The module stays loaded after `module` goes: the object it makes lives on.
  const auto make = reinterpret_cast<T* (*)()>(module.resolve(entry));
  if (!make) {
    module.unload();
    moduleWarning(path,
                  QStringLiteral("a library without the entry point %1, not this game's module")
                      .arg(QString::fromUtf8(entry)),
                  without);
    return nullptr;
  }
  qCInfo(moduleLog).noquote() << "loaded" << path;
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

QtPlatform::QtPlatform(QString programFolder) : programFolder_(std::move(programFolder)) {}
QtPlatform::~QtPlatform() = default;

QString QtPlatform::playableFile(const QString& path, const QString& defaultCue) {
  if (isWaveFile(path)) return path;
  if (isWaveFile(defaultCue)) return defaultCue;
  return {};
}

QString QtPlatform::installedModuleFolderOf(const QString& programFolder) {
  return QDir::cleanPath(
      QDir(programFolder).filePath(QStringLiteral(KREPOSTAN_MODULES_FROM_PROGRAM)));
}

QString QtPlatform::modulePathOf(const QString& programFolder, const QString& file) {
  const QString beside = QDir(programFolder).filePath(file);
  if (QFileInfo::exists(beside)) return beside;
  return QDir(installedModuleFolderOf(programFolder)).filePath(file);
}

QString QtPlatform::moduleFolderOf(const QString& programFolder) {
  const QDir program(programFolder);
  if (program.exists(QStringLiteral(KREPOSTAN_SOUND_MODULE)) ||
      program.exists(QStringLiteral(KREPOSTAN_NETWORK_MODULE)))
    return programFolder;
  return installedModuleFolderOf(programFolder);
}

QString QtPlatform::modulePath(const char* file) {
  if (programFolder_.isEmpty()) programFolder_ = QCoreApplication::applicationDirPath();
  return modulePathOf(programFolder_, QString::fromUtf8(file));
}

SoundChannel* QtPlatform::sound() {
  if (!soundTried_) {
    soundTried_ = true;
    sound_ = loadModule<SoundChannel>(modulePath(KREPOSTAN_SOUND_MODULE), kMakeSoundChannel,
                                      "the game plays no sound");
  }
  return sound_.get();
}

Sockets& QtPlatform::sockets() {
  if (!sockets_) {
    sockets_ = loadModule<Sockets>(modulePath(KREPOSTAN_NETWORK_MODULE), kMakeSockets,
                                   "the network game cannot connect");
    if (!sockets_) sockets_ = std::make_unique<RefusingSockets>();
    sockets_->setEvents(socketEvents_);
  }
  return *sockets_;
}

void QtPlatform::playSound(const std::string& path) {
  SoundChannel* channel = sound();
  // No sound module: the game stays silent. Without a sound server the module is silent.
  if (!channel) return;
  const QString defaultCue = QString::fromStdString(soundFolder() + "/" + cue::kDefault);
  const QString file = playableFile(QString::fromStdString(path), defaultCue);
  if (file.isEmpty()) return;
  // A wave the channel cannot decode plays the default cue too.
  if (!channel->play(file) && file != defaultCue) channel->play(defaultCue);
}

void QtPlatform::fitTitle(QMessageBox& box) {
  // Qt sizes the box to its text alone: a short text made it so narrow that the desktop cut
  // its title. It is made as wide as the title in a title bar's bold face, with room for
  // the frame's buttons, and the text's lines wide enough to read.
  QFont titleFace = box.font();
  titleFace.setBold(true);
  titleFace.setPointSizeF(titleFace.pointSizeF() * 1.25);
  const int titleRoom = 160;  // the frame's icon and its close, maximise and minimise buttons
  const int width =
      std::max(320, QFontMetrics(titleFace).horizontalAdvance(box.windowTitle()) + titleRoom);
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void QtPlatform::systemMessage(const std::string& text, MessageIcon icon) {
  // A dialog of the game's window: the desktop keeps it over the game and centres it there.
  auto* box =
      new QMessageBox(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                      QString::fromUtf8(text::kGameName.c_str()), QString::fromStdString(text),
                      QMessageBox::Ok, gameWindow_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  fitTitle(*box);
  box->show();
  box->raise();
}

void QtPlatform::endProgram() {
  if (sound_) sound_->stop();
  QCoreApplication::exit(0);
}

Point QtPlatform::cursorPos() {
  QPoint p = QCursor::pos();
  if (gameWindow_) p = gameWindow_->mapFromGlobal(p);
  return {p.x(), p.y()};
}

// The game's whole screen is its window, which the desktop maximised: the usable area and
// the full screen are the same.
Size QtPlatform::usableScreen() {
  QSize size;
  if (gameWindow_) size = gameWindow_->size();
  else if (const QScreen* s = QGuiApplication::primaryScreen())
    size = s->availableGeometry().size();
  else return {1024, 768};
  return {size.width(), size.height()};
}

Size QtPlatform::fullScreen() { return usableScreen(); }

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

// The player's data folder as the desktop's base directories name it; none without a home
// (an empty or relative HOME), where Qt's own answer would be a relative folder.
std::string QtPlatform::userDataFolder() { return playerFolder(PlayerFolderKind::Data); }

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
