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
    game.welcome();
    game.unloadWelcome();
    game.LevelNumber = 100;
    game.setka().window.visible = true;
  }
  void expectConnectFailedOnce() {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Подключиться не получилось");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  }
  void expectOnTheWayToLevel100() {
    EXPECT_FALSE(game.setkaLoaded());
    EXPECT_TRUE(game.form2().window.visible);
    ASSERT_TRUE(game.form1Loaded());
    EXPECT_TRUE(world().Baza[kEnemyHq].shown);  // level setup of level 100
  }
};

TEST_F(NetworkTest, HostListensOnTheGamePort) {
  hostClick(game);
  EXPECT_EQ(platform.listens, std::vector<int>{3666});
  EXPECT_NE(world().Win1, 0);
  EXPECT_TRUE(platform.connects.empty());
  EXPECT_FALSE(game.JoinedNetworkGame);
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
  const SocketId win1 = world().Win1;
  platform.sink->connectionRequest(win1 + 7, 1);  // not the game's listener
  platform.sink->connectionRequest(win1, 2);
  platform.sink->connectionRequest(win1, 3);
  EXPECT_EQ(platform.accepts, (std::vector<std::pair<SocketId, int>>{{win1, 2}}));
  EXPECT_EQ(world().Win1, win1);
}

TEST_F(NetworkTest, JoinConnectsBothSocketsToTheAddress) {
  game.setka().Text1.caption = "10.0.0.7";
  joinClick(game);
  ASSERT_EQ(platform.connects.size(), 2u);
  EXPECT_EQ(platform.connects[0].host, "10.0.0.7");
  EXPECT_EQ(platform.connects[0].port, 3666);
  EXPECT_EQ(platform.connects[1].host, "10.0.0.7");
  EXPECT_EQ(platform.connects[1].port, 666);
  EXPECT_TRUE(game.JoinedNetworkGame);
  expectOnTheWayToLevel100();
}

TEST_F(NetworkTest, JoinWithoutAnAddressDoesNothing) {
  for (const char* address : {"", "IP, к которому хотите подключиться"}) {
    game.setka().Text1.caption = address;
    joinClick(game);
    EXPECT_TRUE(platform.connects.empty());
    EXPECT_TRUE(game.setkaLoaded());
    EXPECT_FALSE(game.form1Loaded());
    EXPECT_FALSE(game.JoinedNetworkGame);
  }
}

TEST_F(NetworkTest, OnlyTheGameConnectionReportsErrors) {
  joinClick(game);
  const Form1& f = world();
  platform.sink->socketError(f.ChatKlientWin);
  EXPECT_TRUE(platform.messages.empty());
  platform.sink->socketError(f.Win1);
  expectConnectFailedOnce();
  EXPECT_TRUE(game.form1Loaded());
  EXPECT_FALSE(game.ended);
}

TEST_F(NetworkTest, SocketsEndWithTheBattlefield) {
  joinClick(game);
  const std::vector<SocketId> open = {world().Win1, world().ChatKlientWin};
  game.unloadForm1();
  EXPECT_EQ(platform.closed, open);
  // Late events of the closed sockets neither report nor bring the battlefield back.
  platform.sink->socketError(open[0]);
  platform.sink->connectionRequest(open[0], 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(game.form1Loaded());
  // The next battlefield neither listens nor connects.
  EXPECT_EQ(world().Win1, 0);
  EXPECT_EQ(platform.connects.size(), 2u);
  EXPECT_TRUE(platform.listens.empty());
}

TEST_F(NetworkTest, CloseBoxEndsTheProgram) {
  setkaClose(game);
  EXPECT_TRUE(game.ended);
  EXPECT_TRUE(platform.endCalled);
}

}  // namespace
}  // namespace kr::test
