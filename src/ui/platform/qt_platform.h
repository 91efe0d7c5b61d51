// The platform on Qt: sound on one channel, message boxes, screen, pointer, TCP. Sound and
// TCP come from two modules loaded when first needed (see sound_channel.h and sockets.h).
#pragma once

#include <QString>
#include <memory>

#include "model/platform/platform.h"
#include "model/platform/random_draws.h"

namespace kr {

class SoundChannel;
class Sockets;

class QtPlatform : public Platform {
 public:
  // Loads its modules from moduleFolder, by default from moduleFolderOf the program's folder.
  explicit QtPlatform(QString moduleFolder = {});
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
  // Where the sound and network modules of a program in programFolder lie: beside it (the
  // build folder) or in the private library folder of its prefix
  // (../lib/<multiarch>/krepostan from games/), where they are looked for otherwise.
  static QString moduleFolderOf(const QString& programFolder);
  // Keeps Qt Multimedia's complaints about a missing audio device off the console.
  static void silenceAudioWarnings();

  // Whether the sound module is loaded (it is tried on the first sound).
  bool soundLoaded() const { return sound_ != nullptr; }

 private:
  const QString& moduleFolder();
  // The sound channel, loaded on the first call; nullptr without the sound module.
  SoundChannel* sound();
  // The sockets, loaded on the first call; without the network module they refuse every
  // connection.
  Sockets& sockets();

  QString moduleFolder_;
  std::unique_ptr<SoundChannel> sound_;
  bool soundTried_ = false;
  std::unique_ptr<Sockets> sockets_;
  SocketEvents* socketEvents_ = nullptr;
  RandomDraws rng_;
  QString soundFolder_;
};

}  // namespace kr
