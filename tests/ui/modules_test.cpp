// The real platform loads its sound and network modules when first needed, from the
// program's folder; without them the game runs on, silent and unable to connect.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
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

// Collects the platform's warnings on its modules said while it lives.
class Warnings {
 public:
  Warnings() {
    said().clear();
    previous_ = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& msg) {
          if (type == QtWarningMsg && context.category == std::string_view("krepostan.modules"))
            said() << msg;
        });
  }
  ~Warnings() { qInstallMessageHandler(previous_); }
  static QStringList& said() {
    static QStringList lines;
    return lines;
  }

 private:
  QtMessageHandler previous_ = nullptr;
};

TEST(Modules, ThePlatformLoadsBothFromTheProgramFolder) {
  EXPECT_EQ(QtPlatform::moduleFolderOf(QStringLiteral(KREPOSTAN_PROGRAM_DIR)),
            QStringLiteral(KREPOSTAN_PROGRAM_DIR));
  const Warnings warnings;
  QtPlatform platform(QStringLiteral(KREPOSTAN_PROGRAM_DIR));
  RecordedEvents events;
  platform.setSocketEvents(&events);

  EXPECT_FALSE(platform.soundLoaded());  // nothing is loaded before it is needed
  platform.playSound(KREPOSTAN_PROGRAM_DIR "/Click.smus");
  EXPECT_TRUE(platform.soundLoaded());

  const quint16 port = freePort();
  ASSERT_NE(port, 0);
  const SocketId listener = platform.listen(port);
  ASSERT_NE(listener, 0);
  QTcpSocket peer;
  peer.connectToHost(QHostAddress::LocalHost, port);
  ASSERT_TRUE(waitUntil([&] { return !events.requests.empty(); }));
  EXPECT_EQ(events.requests.front(), listener);
  platform.close(listener);
  EXPECT_TRUE(warnings.said().isEmpty()) << warnings.said().join('\n').toStdString();
}

TEST(Modules, WithoutThemTheGameIsSilentAndCannotConnect) {
  struct Case {
    const char* what;
    const char* contents;  // of each module's file; none when null
    const char* reason;    // what the warning says of it
  };
  const Case cases[] = {
      {"no modules", nullptr, "No such file"},
      {"files that are no libraries", "not a library", "file too short"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"krepostan-sound.so", "krepostan-network.so"}) {
      if (!c.contents) continue;
      QFile f(folder.filePath(QString::fromUtf8(name)));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.contents) > 0);
    }
    const Warnings warnings;
    QtPlatform platform(folder.path());
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
    const QStringList& said = warnings.said();
    ASSERT_EQ(said.size(), 2) << said.join('\n').toStdString();
    EXPECT_TRUE(said[0].contains(folder.filePath("krepostan-sound.so"))) << said[0].toStdString();
    EXPECT_TRUE(said[1].contains(folder.filePath("krepostan-network.so"))) << said[1].toStdString();
    for (const QString& line : said) EXPECT_TRUE(line.contains(c.reason)) << line.toStdString();
  }
}

}  // namespace
}  // namespace kr::test
