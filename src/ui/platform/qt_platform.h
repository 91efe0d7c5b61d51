// The platform on Qt: sound on one channel, message boxes, screen, pointer, TCP.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <random>

#include "model/platform/platform.h"
#include "ui/platform/qt_sockets.h"

class QSoundEffect;

namespace kr {

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void playSound(const std::string& path) override;
  void systemMessage(const std::string& text, MessageIcon icon) override;
  void endProgram() override;
  Point cursorPos() override;
  Size usableScreen() override;
  Size fullScreen() override;
  float chatTextWidth(const std::string& text) override;
  void seedRandom(std::uint32_t seed) override;
  float random() override;
  std::uint32_t defaultSeed() override;
  std::uint32_t secondsSinceMidnight() override;
  std::string programFolder() override;
  std::string userDataFolder() override;
  std::string soundFolder() override;
  void setSocketEvents(SocketEvents* sink) override;
  SocketId listen(int port) override;
  SocketId connect(const std::string& host, int port) override;
  void accept(SocketId listener, int requestId) override;
  void close(SocketId socket) override;

  // The file actually played for a request: the file itself when it is a waveform file,
  // otherwise the default cue beside the program.
  static QString playableFile(const QString& path, const QString& defaultCue);
  // Where the sound files of a program in programFolder lie: beside it (the build folder)
  // or in the data folder of the prefix it is installed in (../share/krepostan from bin/);
  // empty when neither holds them (the game then plays nothing).
  static QString soundFolderOf(const QString& programFolder);
  // Keeps Qt Multimedia's complaints about a missing audio device off the console.
  static void silenceAudioWarnings();

 private:
  // One loaded effect per file, and the one that plays now: the single channel.
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
  bool audioChecked_ = false;
  bool audioAvailable_ = false;
  std::mt19937 rng_{327680};
  QString soundFolder_;
  QtSockets sockets_;
};

}  // namespace kr
