// The network dialog and the game connection's events, on the fake platform.
#include <gtest/gtest.h>

#include "model/comm/network.h"
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

TEST_F(NetworkTest, ListenThatCannotStartIsReportedAndTheGameGoesOn) {
  platform.listenFails = true;
  hostClick(game);
  expectConnectFailedOnce();
  expectOnTheWayToLevel100();
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
