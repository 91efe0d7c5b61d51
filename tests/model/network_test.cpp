// The network dialog and the game connection's events, on the fake platform.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "model/comm/network.h"
#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"

namespace kr::test {
namespace {

// The main menu's "Начать сетевую игру" has set level 100 and opened the dialog.
class NetworkTest : public GameTest {
 protected:
  void SetUp() override {
    game.load<MainMenu>();
    game.unload<MainMenu>();
    game.levelNumber = 100;
    game.load<NetworkDialog>().window.visible = true;
  }
  void expectConnectFailedOnce() {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Подключиться не получилось");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  }
  void expectOnTheWayToLevel100() {
    EXPECT_FALSE(game.loaded<NetworkDialog>());
    EXPECT_TRUE(game.briefing().window.visible);
    ASSERT_TRUE(game.loaded<Battlefield>());
    EXPECT_TRUE(world().objects[kEnemyHq].shown);  // level setup of level 100
  }
};

TEST_F(NetworkTest, HostListensOnTheGamePort) {
  hostClick(game);
  EXPECT_EQ(platform.listens, std::vector<int>{3666});
  EXPECT_NE(world().gameSocket, 0);
  EXPECT_TRUE(platform.connects.empty());
  EXPECT_FALSE(game.joinedNetworkGame);
  EXPECT_TRUE(platform.messages.empty());
  expectOnTheWayToLevel100();
}

// Each shown window with the times it came to the front: a system message comes up in
// front of whatever is on the screen as it is shown, so nothing may change here after it.
std::string screen(Game& g) {
  std::string out;
  forEachWindow([&]<class W>(std::type_identity<W>) {
    if (!g.loaded<W>() || !g.window<W>().window.visible) return;
    out += std::string(kWindowName<W>) + "^" + std::to_string(g.window<W>().window.raised) + " ";
  });
  return out;
}

TEST_F(NetworkTest, ListenThatCannotStartIsReportedOverTheBriefing) {
  platform.listenFails = true;
  std::string atMessage;
  platform.atMessage = [&] { atMessage = screen(game); };
  hostClick(game);
  expectConnectFailedOnce();
  expectOnTheWayToLevel100();
  EXPECT_EQ(atMessage, screen(game));
}

TEST_F(NetworkTest, HostAcceptsOnePeerOnly) {
  hostClick(game);
  const SocketId win1 = world().gameSocket;
  platform.sink->connectionRequest(win1 + 7, 1);  // not the game's listener
  platform.sink->connectionRequest(win1, 2);
  platform.sink->connectionRequest(win1, 3);
  EXPECT_EQ(platform.accepts, (std::vector<std::pair<SocketId, int>>{{win1, 2}}));
  EXPECT_EQ(world().gameSocket, win1);
}

TEST_F(NetworkTest, HostTakesTheNextPeerWhenItsPeerHasGone) {
  hostClick(game);
  const SocketId win1 = world().gameSocket;
  platform.sink->connectionRequest(win1, 1);  // a port scan: knocks and leaves
  platform.sink->peerGone(win1);
  // Still listening on the same socket: nothing closed, no second listen.
  EXPECT_EQ(world().gameSocket, win1);
  EXPECT_TRUE(platform.closed.empty());
  EXPECT_EQ(platform.listens, std::vector<int>{3666});

  // The real peer gets the place, and it is still the only one.
  platform.sink->connectionRequest(win1, 2);
  platform.sink->connectionRequest(win1, 3);
  EXPECT_EQ(platform.accepts, (std::vector<std::pair<SocketId, int>>{{win1, 1}, {win1, 2}}));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(game.briefing().window.visible);
}

TEST_F(NetworkTest, OnlyTheHostsAcceptedPeerGoingFreesItsPlace) {
  struct Case {
    const char* name;
    std::function<SocketId(Game&, FakePlatform&)> gone;  // sets the game up; the socket gone
  };
  const std::vector<Case> cases = {
      {"host still listening",
       [](Game& g, FakePlatform&) {
         hostClick(g);
         return g.battlefield().gameSocket;
       }},
      {"another socket",
       [](Game& g, FakePlatform& p) {
         hostClick(g);
         p.sink->connectionRequest(g.battlefield().gameSocket, 1);
         return g.battlefield().gameSocket + 7;
       }},
      {"the joiner's connection",
       [](Game& g, FakePlatform&) {
         g.networkDialog().addressBox.caption = "10.0.0.7";
         joinClick(g);
         return g.battlefield().gameSocket;
       }},
      {"battlefield closed",
       [](Game& g, FakePlatform& p) {
         hostClick(g);
         const SocketId s = g.battlefield().gameSocket;
         p.sink->connectionRequest(s, 1);
         g.unload<Battlefield>();
         return s;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform p;
    Game g{p};
    g.load<MainMenu>();
    g.unload<MainMenu>();
    g.levelNumber = 100;
    g.load<NetworkDialog>().window.visible = true;
    const SocketId gone = c.gone(g, p);
    const auto listens = p.listens;
    const auto closed = p.closed;
    const bool loaded = g.loaded<Battlefield>();
    const bool taken = loaded && g.battlefield().peerAccepted;
    p.sink->peerGone(gone);
    EXPECT_EQ(p.listens, listens);
    EXPECT_EQ(p.closed, closed);
    EXPECT_EQ(g.loaded<Battlefield>(), loaded);
    if (loaded) {
      EXPECT_EQ(g.battlefield().peerAccepted, taken);  // the place stays as it was
    }
    EXPECT_TRUE(p.messages.empty());
  }
}

TEST_F(NetworkTest, JoinConnectsBothSocketsToTheAddress) {
  game.networkDialog().addressBox.caption = "10.0.0.7";
  joinClick(game);
  ASSERT_EQ(platform.connects.size(), 2u);
  EXPECT_EQ(platform.connects[0].host, "10.0.0.7");
  EXPECT_EQ(platform.connects[0].port, 3666);
  EXPECT_EQ(platform.connects[1].host, "10.0.0.7");
  EXPECT_EQ(platform.connects[1].port, 666);
  EXPECT_TRUE(game.joinedNetworkGame);
  expectOnTheWayToLevel100();
}

TEST_F(NetworkTest, JoinWithoutAnAddressDoesNothing) {
  for (const char* address : {"", "IP, к которому хотите подключиться"}) {
    game.networkDialog().addressBox.caption = address;
    joinClick(game);
    EXPECT_TRUE(platform.connects.empty());
    EXPECT_TRUE(game.loaded<NetworkDialog>());
    EXPECT_FALSE(game.loaded<Battlefield>());
    EXPECT_FALSE(game.joinedNetworkGame);
  }
}

TEST_F(NetworkTest, OnlyTheGameConnectionReportsErrors) {
  joinClick(game);
  const Battlefield& f = world();
  platform.sink->socketError(f.secondSocket);
  EXPECT_TRUE(platform.messages.empty());
  platform.sink->socketError(f.gameSocket);
  expectConnectFailedOnce();
  EXPECT_TRUE(game.loaded<Battlefield>());
  EXPECT_FALSE(game.ended);
}

TEST_F(NetworkTest, SocketsEndWithTheBattlefield) {
  joinClick(game);
  const std::vector<SocketId> open = {world().gameSocket, world().secondSocket};
  game.unload<Battlefield>();
  EXPECT_EQ(platform.closed, open);
  // Late events of the closed sockets neither report nor bring the battlefield back.
  platform.sink->socketError(open[0]);
  platform.sink->connectionRequest(open[0], 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(game.loaded<Battlefield>());
  // The next battlefield neither listens nor connects.
  EXPECT_EQ(game.load<Battlefield>().gameSocket, 0);
  EXPECT_EQ(platform.connects.size(), 2u);
  EXPECT_TRUE(platform.listens.empty());
}

TEST_F(NetworkTest, CloseBoxEndsTheProgram) {
  networkDialogClose(game);
  EXPECT_TRUE(game.ended);
  EXPECT_TRUE(platform.endCalled);
}

}  // namespace
}  // namespace kr::test
