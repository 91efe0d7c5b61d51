// The real platform loads its sound and network modules when first needed, each from beside
// the program or else from the installed modules folder; without them, or with a broken
// file in their place, the game runs on, silent and unable to connect.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/platform/platform.h"
#include "support/loopback.h"
#include "ui/platform/qt_platform.h"

namespace kr::test {
namespace {

struct RecordedEvents : SocketEvents {
  std::vector<SocketId> requests, errors, gone;
  void connectionRequest(SocketId listener, int) override { requests.push_back(listener); }
  void socketError(SocketId socket) override { errors.push_back(socket); }
  void peerGone(SocketId socket) override { gone.push_back(socket); }
};

// Collects what the platform says on its modules while it lives: warnings, and the note on
// each module loaded when that is asked for (by default it is not).
class ModuleNotes {
 public:
  ModuleNotes() {
    said().clear();
    previous_ = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& msg) {
          if (context.category == std::string_view("krepostan.modules")) said() << msg;
        });
  }
  ~ModuleNotes() { qInstallMessageHandler(previous_); }
  static QStringList& said() {
    static QStringList lines;
    return lines;
  }

 private:
  QtMessageHandler previous_ = nullptr;
};

// The platform listens, and a peer's knock reaches the game.
void expectHosting(QtPlatform& platform, const RecordedEvents& events) {
  const quint16 port = freePort();
  ASSERT_NE(port, 0);
  const SocketId listener = platform.listen(port);
  ASSERT_NE(listener, 0);
  QTcpSocket peer;
  peer.connectToHost(QHostAddress::LocalHost, port);
  ASSERT_TRUE(waitUntil([&] { return !events.requests.empty(); }));
  EXPECT_EQ(events.requests.front(), listener);
  platform.close(listener);
}

TEST(Modules, ThePlatformLoadsBothFromTheProgramFolder) {
  EXPECT_EQ(QtPlatform::moduleFolderOf(QStringLiteral(KREPOSTAN_PROGRAM_DIR)),
            QStringLiteral(KREPOSTAN_PROGRAM_DIR));
  const ModuleNotes notes;
  QtPlatform platform(QStringLiteral(KREPOSTAN_PROGRAM_DIR));
  RecordedEvents events;
  platform.setSocketEvents(&events);

  EXPECT_FALSE(platform.soundLoaded());  // nothing is loaded before it is needed
  platform.playSound(KREPOSTAN_PROGRAM_DIR "/Click.smus");
  EXPECT_TRUE(platform.soundLoaded());

  ASSERT_NO_FATAL_FAILURE(expectHosting(platform, events));
  EXPECT_TRUE(notes.said().isEmpty()) << notes.said().join('\n').toStdString();
}

constexpr const char* kModules[] = {"krepostan-sound.so", "krepostan-network.so"};

// A program folder (root/games) of its own, with the installed modules folder of its prefix.
struct ProgramFolder {
  QTemporaryDir root;
  QString program = root.filePath(QStringLiteral("games"));
  QString installed = QtPlatform::installedModuleFolderOf(program);
  ProgramFolder() {
    QDir().mkpath(program);
    QDir().mkpath(installed);
  }
};

// A copy of the built module by that name.
bool copyModule(const char* name, const QString& to) {
  return QFile::copy(QStringLiteral(KREPOSTAN_PROGRAM_DIR "/") + QString::fromUtf8(name), to);
}

// The module in its place beside the program is broken in one way or another: the game
// neither dies nor hangs, it stays silent, cannot connect, and names the file and the fault.
TEST(Modules, BrokenModuleFilesAreNamedAndTheGameRunsOn) {
  struct Case {
    const char* what;
    std::function<bool(const char* name, const QString& path)> plant;
    const char* reason;  // what the warning says of it
  };
  const auto write = [](const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  };
  const std::vector<Case> cases = {
      {"missing", [](const char*, const QString&) { return true; }, "missing"},
      {"empty", [&](const char*, const QString& path) { return write(path, {}); }, "empty"},
      {"not a library",
       [&](const char*, const QString& path) { return write(path, "not a library"); },
       "not a library"},
      {"cut short at 4 KiB",
       [](const char* name, const QString& path) {
         return copyModule(name, path) && QFile::resize(path, 4096);
       },
       "cut short"},
      {"a named pipe",
       [](const char*, const QString& path) {
         return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
       },
       "not a plain file"},
      {"a folder", [](const char*, const QString& path) { return QDir().mkdir(path); }, "folder"},
      {"the other module",
       [](const char* name, const QString& path) {
         return copyModule(name == std::string_view(kModules[0]) ? kModules[1] : kModules[0], path);
       },
       "without the entry point"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramFolder folder;
    ASSERT_TRUE(folder.root.isValid());
    for (const char* name : kModules)
      ASSERT_TRUE(c.plant(name, QDir(folder.program).filePath(QString::fromUtf8(name))));
    const ModuleNotes notes;
    QtPlatform platform(folder.program);
    RecordedEvents events;
    platform.setSocketEvents(&events);
    for (int i = 0; i < 2; ++i) platform.playSound(KREPOSTAN_PROGRAM_DIR "/Click.smus");
    EXPECT_FALSE(platform.soundLoaded());

    // Nothing listens, and a connection fails after the call as a refused one does.
    EXPECT_EQ(platform.listen(freePort()), 0);
    const SocketId refused = platform.connect("127.0.0.1", 1);
    const SocketId closed = platform.connect("127.0.0.1", 1);
    EXPECT_NE(refused, 0);
    EXPECT_NE(refused, closed);
    EXPECT_TRUE(events.errors.empty());
    platform.close(closed);  // a closed socket tells nothing more
    ASSERT_TRUE(waitUntil([&] { return !events.errors.empty(); }));
    EXPECT_EQ(events.errors, std::vector<SocketId>{refused});
    EXPECT_TRUE(events.requests.empty() && events.gone.empty());

    // Each module is named once, with the reason it could not be loaded.
    const QStringList& said = notes.said();
    ASSERT_EQ(said.size(), 2) << said.join('\n').toStdString();
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(said[i].contains(QString::fromUtf8(kModules[i]))) << said[i].toStdString();
      EXPECT_TRUE(said[i].contains(c.reason)) << said[i].toStdString();
    }
  }
}

// Each module is looked for on its own, beside the program and then in the installed
// modules folder: the network game needs no sound module.
TEST(Modules, TheNetworkModuleLoadsWithoutTheSoundModule) {
  for (const bool installed : {false, true}) {
    SCOPED_TRACE(installed ? "network module installed" : "network module beside the program");
    ProgramFolder folder;
    ASSERT_TRUE(folder.root.isValid());
    const QString network = QDir(installed ? folder.installed : folder.program)
                                .filePath(QString::fromUtf8(kModules[1]));
    ASSERT_TRUE(copyModule(kModules[1], network));
    EXPECT_EQ(QtPlatform::modulePathOf(folder.program, QString::fromUtf8(kModules[1])), network);
    const ModuleNotes notes;
    QtPlatform platform(folder.program);
    RecordedEvents events;
    platform.setSocketEvents(&events);
    platform.playSound(KREPOSTAN_PROGRAM_DIR "/Click.smus");
    EXPECT_FALSE(platform.soundLoaded());

    ASSERT_NO_FATAL_FAILURE(expectHosting(platform, events));
    ASSERT_EQ(notes.said().size(), 1) << notes.said().join('\n').toStdString();
    EXPECT_TRUE(notes.said()[0].contains(QString::fromUtf8(kModules[0])));
  }
}

}  // namespace
}  // namespace kr::test
