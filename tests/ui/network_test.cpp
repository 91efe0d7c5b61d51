// The network game over real TCP sockets on the loopback interface.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/comm/chat.h"
#include "model/comm/network.h"
#include "model/comm/windows.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "model/texts.h"
#include "support/fake_platform.h"
#include "support/loopback.h"
#include "ui/platform/network/qt_sockets.h"

namespace kr::test {
namespace {

using namespace std::chrono_literals;

// The fake platform with real sockets. The game's fixed ports are moved to free ones so
// that tests never meet another program (or each other) on them.
class SocketPlatform : public FakePlatform {
 public:
  QtSockets sockets;
  std::map<int, quint16> ports;

  SocketPlatform() {
    ports[kGamePort] = freePort();
    ports[kSecondPort] = freePort();
  }
  void setSocketEvents(SocketEvents* s) override { sockets.setEvents(s); }
  SocketId listen(int port) override {
    listens.push_back(port);
    return sockets.listen(ports.at(port));
  }
  SocketId connect(const std::string& host, int port) override {
    connects.push_back({host, port});
    return sockets.connect(host, ports.at(port));
  }
  void accept(SocketId listener, int requestId) override {
    accepts.push_back({listener, requestId});
    sockets.accept(listener, requestId);
  }
  void close(SocketId socket) override {
    closed.push_back(socket);
    sockets.close(socket);
  }
};

// One copy of the game at the network dialog, level 100 chosen in the main menu.
struct Side {
  SocketPlatform platform;
  Game game{platform};
  Side() {
    game.load<MainMenu>();
    game.unload<MainMenu>();
    game.levelNumber = 100;
    game.load<NetworkDialog>().window.visible = true;
  }
  Battlefield& world() { return game.battlefield(); }
  SocketId win1() { return world().gameSocket; }
  quint16 gamePort() const { return platform.ports.at(kGamePort); }
  // "Засервить": the sockets the host listens with.
  QtSockets& host() {
    hostClick(game);
    return platform.sockets;
  }
  void join(const std::string& address) {
    game.networkDialog().addressBox.caption = address;
    joinClick(game);
  }
  // The economy runs and the chat answers: the game is being played.
  void expectPlayable() {
    Battlefield& f = world();
    EXPECT_FALSE(game.ended);
    game.clock.setEnabled(kEconomyTimer, true);
    const std::int32_t energy = f.energy;
    game.clock.advanceBy(1000);
    EXPECT_EQ(f.energy, energy + 2);
    f.chatLine.caption = "ok";
    chatSubmit(game);
    EXPECT_TRUE(f.chatBox.visible);
  }
};

class NetworkGameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(host.gamePort(), 0); }
  Side host;
};

TEST_F(NetworkGameTest, HostAcceptsOnePlainClientAndPlaysOn) {
  hostClick(host.game);
  const SocketId win1 = host.win1();
  ASSERT_NE(win1, 0);
  EXPECT_EQ(host.platform.sockets.listeningPort(win1), host.gamePort());

  QTcpSocket client;
  client.connectToHost(QHostAddress::LocalHost, host.gamePort());
  ASSERT_TRUE(waitUntil([&] {
    return client.state() == QAbstractSocket::ConnectedState &&
           host.platform.sockets.connected(win1);
  }));
  EXPECT_EQ(host.platform.accepts.size(), 1u);
  EXPECT_EQ(host.platform.sockets.peerPort(win1), client.localPort());

  // One who knocks later waits behind the peer, which keeps the place.
  QTcpSocket late;
  late.connectToHost(QHostAddress::LocalHost, host.gamePort());
  ASSERT_TRUE(waitUntil([&] {
    return late.state() == QAbstractSocket::ConnectedState &&
           host.platform.sockets.waitingRequests() == 1;
  }));
  EXPECT_EQ(host.platform.accepts.size(), 1u);
  EXPECT_EQ(host.platform.sockets.peerPort(win1), client.localPort());

  EXPECT_TRUE(host.platform.messages.empty());
  host.expectPlayable();
  EXPECT_EQ(client.state(), QAbstractSocket::ConnectedState);
  // The peer leaving is no error, and the one waiting takes its place.
  client.disconnectFromHost();
  EXPECT_TRUE(waitUntil([&] {
    return host.platform.sockets.peerPort(win1) == late.localPort() &&
           host.platform.sockets.waitingRequests() == 0;
  }));
  late.disconnectFromHost();
  EXPECT_TRUE(waitUntil([&] { return !host.platform.sockets.connected(win1); }));
  EXPECT_TRUE(host.platform.messages.empty());
}

// A connection to the game port from outside Qt, as a port scan makes it.
class StrayConnection {
 public:
  explicit StrayConnection(quint16 port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
  }
  ~StrayConnection() { close(); }
  bool connected() const { return connected_; }
  // This end's port, as the host sees it.
  quint16 localPort() const {
    sockaddr_in at{};
    socklen_t size = sizeof at;
    return fd_ >= 0 && ::getsockname(fd_, reinterpret_cast<sockaddr*>(&at), &size) == 0
               ? ntohs(at.sin_port)
               : 0;
  }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  // Whether the host has left this end open: neither a goodbye nor a reset has come.
  bool heldOpen() const {
    char byte;
    return fd_ >= 0 && ::recv(fd_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) < 0 &&
           (errno == EAGAIN || errno == EWOULDBLOCK);
  }
  // Closes with a reset instead of an orderly goodbye.
  void reset() {
    const linger now{1, 0};
    if (fd_ >= 0) ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    close();
  }

 private:
  int fd_;
  bool connected_ = false;
};

TEST_F(NetworkGameTest, StrayConnectionDoesNotTakeTheHostsPlace) {
  struct Case {
    const char* name;
    bool waitForAccept;  // the host has taken the stray as its peer before it goes
    bool reset;
  };
  for (const Case c :
       {Case{"closed before it was offered", false, false},
        Case{"closed once accepted", true, false}, Case{"reset once accepted", true, true}}) {
    SCOPED_TRACE(c.name);
    Side side;
    ASSERT_NE(side.gamePort(), 0);
    QtSockets& sockets = side.host();
    {
      StrayConnection stray(side.gamePort());
      ASSERT_TRUE(stray.connected());
      if (c.waitForAccept) {
        ASSERT_TRUE(waitUntil([&] { return sockets.connected(side.win1()); }));
      }
      c.reset ? stray.reset() : stray.close();
    }
    // The host has dealt with the stray and still listens on the game port.
    ASSERT_TRUE(waitUntil([&] {
      return sockets.connectionsTaken() == 1 && sockets.waitingRequests() == 0 &&
             !sockets.connected(side.win1()) &&
             sockets.listeningPort(side.win1()) == side.gamePort();
    }));

    // The real peer gets the one place; what it sends is thrown away.
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, side.gamePort());
    ASSERT_TRUE(waitUntil([&] {
      return peer.state() == QAbstractSocket::ConnectedState &&
             sockets.peerPort(side.win1()) == peer.localPort();
    }));
    peer.write(QByteArray(1000, 'x'));
    EXPECT_TRUE(waitUntil([&] { return sockets.discardedBytes() == 1000; }));
    EXPECT_EQ(peer.state(), QAbstractSocket::ConnectedState);
    EXPECT_TRUE(side.platform.messages.empty());
  }
}

TEST_F(NetworkGameTest, RealPeerRightBehindStraysTakesThePlaceAndKeepsIt) {
  struct Case {
    const char* name;
    int strays;
    bool goneFirst;  // the strays have said goodbye before the peer knocks
    bool hostLooks;  // the host takes each knock as it comes, else all at once after the peer
  };
  for (const Case c : {Case{"one stray, gone", 1, true, false},
                       Case{"one stray, still there, host looks late", 1, false, false},
                       Case{"one stray, still there and accepted", 1, false, true},
                       Case{"200 strays, still there and the first accepted", 200, false, true}}) {
    for (int round = 0; round < 5; ++round) {
      SCOPED_TRACE(std::string(c.name) + ", round " + std::to_string(round));
      Side side;
      ASSERT_NE(side.gamePort(), 0);
      QtSockets& sockets = side.host();
      std::vector<std::unique_ptr<StrayConnection>> strays;
      for (int i = 0; i < c.strays; ++i) {
        strays.push_back(std::make_unique<StrayConnection>(side.gamePort()));
        ASSERT_TRUE(strays.back()->connected());
        if (c.goneFirst) strays.back()->close();
        if (c.hostLooks) {
          ASSERT_TRUE(waitUntil([&] {
            return sockets.connectionsTaken() == i + 1 && sockets.connected(side.win1());
          }));
        }
      }
      StrayConnection peer(side.gamePort());
      ASSERT_TRUE(peer.connected());
      // The host has a peer, a stray still there or the peer itself, before the strays go.
      ASSERT_TRUE(waitUntil([&] {
        return sockets.connectionsTaken() == c.strays + 1 && sockets.connected(side.win1());
      }));
      for (auto& stray : strays) stray->close();
      ASSERT_TRUE(waitUntil([&] {
        return sockets.peerPort(side.win1()) == peer.localPort() && sockets.waitingRequests() == 0;
      }));
      EXPECT_TRUE(peer.heldOpen());
      EXPECT_EQ(side.platform.accepts.size(), 1u);
      EXPECT_EQ(side.platform.listens.size(), 1u);
      EXPECT_EQ(sockets.listeningPort(side.win1()), side.gamePort());
      EXPECT_TRUE(side.platform.messages.empty());
    }
  }
}

TEST_F(NetworkGameTest, DataFromAPeerIsThrownAwayWithoutPilingUp) {
  hostClick(host.game);
  QTcpSocket client;
  client.connectToHost(QHostAddress::LocalHost, host.gamePort());
  ASSERT_TRUE(waitUntil([&] { return host.platform.sockets.connected(host.win1()); }));

  const qint64 megabyte = 1 << 20;
  client.write(QByteArray(megabyte, 'x'));
  ASSERT_TRUE(waitUntil([&] { return host.platform.sockets.discardedBytes() == megabyte; }, 10s));
  EXPECT_LE(host.platform.sockets.largestBuffered(), QtSockets::kReadBufferSize);
  EXPECT_TRUE(host.platform.messages.empty());
  EXPECT_TRUE(host.platform.sockets.connected(host.win1()));
  host.expectPlayable();
}

TEST_F(NetworkGameTest, JoiningWhereNobodyListensIsReportedOnce) {
  Side joiner;
  joiner.join("127.0.0.1");
  EXPECT_TRUE(joiner.game.briefing().window.visible);  // the briefing opens at once
  const SocketId win1 = joiner.win1();
  const SocketId second = joiner.world().secondSocket;
  ASSERT_TRUE(waitUntil([&] {
    return !joiner.platform.sockets.connecting(win1) &&
           !joiner.platform.sockets.connecting(second) && !joiner.platform.messages.empty();
  }));
  ASSERT_EQ(joiner.platform.messages.size(), 1u);  // the second connection fails silently
  EXPECT_EQ(joiner.platform.messages[0].text, text::kConnectFailed);
  EXPECT_EQ(joiner.platform.messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(joiner.game.joinedNetworkGame);
  joiner.expectPlayable();
}

TEST_F(NetworkGameTest, HostingOnAPortInUseIsReported) {
  QTcpServer squatter;
  ASSERT_TRUE(squatter.listen(QHostAddress::Any, host.gamePort()));
  hostClick(host.game);
  EXPECT_EQ(host.win1(), 0);
  ASSERT_EQ(host.platform.messages.size(), 1u);
  EXPECT_EQ(host.platform.messages[0].text, text::kConnectFailed);
  EXPECT_TRUE(host.game.briefing().window.visible);
  host.expectPlayable();
}

TEST_F(NetworkGameTest, JoinerMeetsTheHostOnLevel100) {
  hostClick(host.game);
  Side joiner;
  joiner.platform.ports[kGamePort] = host.gamePort();
  joiner.join("127.0.0.1");
  ASSERT_TRUE(waitUntil([&] {
    return joiner.platform.sockets.connected(joiner.win1()) &&
           host.platform.sockets.connected(host.win1()) &&
           !joiner.platform.sockets.connecting(joiner.world().secondSocket);
  }));
  EXPECT_TRUE(joiner.platform.messages.empty());
  EXPECT_TRUE(host.platform.messages.empty());
  EXPECT_TRUE(joiner.game.joinedNetworkGame);
  EXPECT_FALSE(host.game.joinedNetworkGame);
  // Each side has its own level 100 with the enemy headquarters the joiner opens on.
  for (Side* side : {&host, &joiner}) {
    EXPECT_EQ(side->game.levelNumber, 100);
    EXPECT_TRUE(side->world().objects[kEnemyHq].shown);
    EXPECT_TRUE(side->world().markers[kEnemyHq].shown);
  }
}

TEST_F(NetworkGameTest, SocketsCloseWithTheBattlefield) {
  hostClick(host.game);
  host.game.unload<Battlefield>();
  QTcpSocket client;
  client.connectToHost(QHostAddress::LocalHost, host.gamePort());
  ASSERT_TRUE(waitUntil([&] { return client.state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(client.error(), QAbstractSocket::ConnectionRefusedError);
  EXPECT_TRUE(host.platform.accepts.empty());
  EXPECT_FALSE(host.game.loaded<Battlefield>());
}

}  // namespace
}  // namespace kr::test
