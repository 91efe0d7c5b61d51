// The platform on Qt: sound on one channel, message boxes, screen, pointer, TCP. Sound and
// TCP come from two modules loaded when first needed (see sound_channel.h and sockets.h).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "model/platform/platform.h"
#include "model/platform/random_draws.h"

class QMessageBox;

namespace kr {

class SoundChannel;
class Sockets;

class QtPlatform : public Platform {
 public:
  // Looks for each module with modulePathOf programFolder, by default the program's own.
  explicit QtPlatform(QString programFolder = {});
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
  // Where the module file of a program in programFolder is taken from: beside the program
  // (the build folder) when it is there, else from installedModuleFolderOf. Each module is
  // looked for on its own.
  static QString modulePathOf(const QString& programFolder, const QString& file);
  // The private library folder of the prefix a program in programFolder is installed in
  // (../lib/<multiarch>/krepostan from games/).
  static QString installedModuleFolderOf(const QString& programFolder);
  // Where the modules come from, for the start notes: beside the program when either lies
  // there, else the installed modules folder.
  static QString moduleFolderOf(const QString& programFolder);
  // Widens one of the platform's message boxes so that the desktop shows its title whole.
  static void fitTitle(QMessageBox& box);

  // The game's window: its size is the game's screen, the pointer is read in its
  // coordinates and the platform's message boxes stand over it. Without one (before the
  // window exists) the primary screen's usable area stands in.
  void setGameWindow(QWidget* window) { gameWindow_ = window; }

  // Whether the sound module is loaded (it is tried on the first sound).
  bool soundLoaded() const { return sound_ != nullptr; }

 private:
  QString modulePath(const char* file);
  // The sound channel, loaded on the first call; nullptr without the sound module.
  SoundChannel* sound();
  // The sockets, loaded on the first call; without the network module they refuse every
  // connection.
  Sockets& sockets();

  QString programFolder_;
  std::unique_ptr<SoundChannel> sound_;
  bool soundTried_ = false;
  std::unique_ptr<Sockets> sockets_;
  SocketEvents* socketEvents_ = nullptr;
  RandomDraws rng_;
  QString soundFolder_;
  QPointer<QWidget> gameWindow_;
};

}  // namespace kr
