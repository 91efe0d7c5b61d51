// The platform on Qt.
#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>

#include "model/cues.h"
#include "model/texts.h"
#include "ui/battlefield/chat_box.h"

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

bool isWaveFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = f.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

}  // namespace

QtPlatform::QtPlatform() = default;
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

void QtPlatform::playSound(const std::string& path) {
  if (!audioChecked_) {
    audioChecked_ = true;
    audioAvailable_ = !QMediaDevices::audioOutputs().isEmpty();
  }
  if (!audioAvailable_) return;  // no audio device: the game stays silent
  const QString file = playableFile(QString::fromStdString(path),
                                    QString::fromStdString(soundFolder() + "/" + cue::kDefault));
  if (file.isEmpty()) return;
  std::unique_ptr<QSoundEffect>& effect = effects_[file];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(file));
  }
  // One channel: a new sound stops the one playing; the same sound starts over.
  if (playing_) playing_->stop();
  playing_ = effect.get();
  playing_->play();
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
  if (playing_) playing_->stop();
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

float QtPlatform::random() {
  // 24 random bits: every value a float can hold exactly, never 1.
  return static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
}

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

void QtPlatform::setSocketEvents(SocketEvents* sink) { sockets_.setEvents(sink); }
SocketId QtPlatform::listen(int port) { return sockets_.listen(port); }
SocketId QtPlatform::connect(const std::string& host, int port) {
  return sockets_.connect(host, port);
}
void QtPlatform::accept(SocketId listener, int requestId) { sockets_.accept(listener, requestId); }
void QtPlatform::close(SocketId socket) { sockets_.close(socket); }

}  // namespace kr
