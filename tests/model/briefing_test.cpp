// The briefing and loading screen: the typewriter with its pauses and cues, the loading
// pass, the progress display, the nickname and the start of the mission.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/shell/briefing.h"
#include "model/shell/windows.h"
#include "model/text.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"

namespace kr::test {
namespace {

const std::string kBriefing1 =
    "Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
    "ресурсы! Ваше задание будет очень простым, но из-за этого "
    "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
    "каждого из трех ресурсов. Места для строительства Мы можем "
    "выделить для Вас очень мало, но должно хватить... Если Вы "
    "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
    "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
    "получится...";

const std::string kBriefing2 =
    "Что, расслабились? Рановато почивать на лаврах! Вы успешно "
    "справились с первым заданием! А посему, как лучшего "
    "Командующего Королевства, придется Вас сразу бросить в "
    "пекло Войны... Враг не дремлет и находится рядом с "
    "Королевством. Ваша база должна быть отстроена на границе. "
    "Задача же такова: Уничтожить подступающего к Королевству "
    "противника! Да так, чтобы он больше никогда не захотел "
    "делать попытку откусить лакомый кусочек от нашей Славной "
    "Державы! Покажите ему Кузькину мать!!!";

// The briefing screen of a level, opened as the message box or the network dialog opens it.
void openBriefing(Game& g, int level) {
  startUp(g);
  g.unload<MainMenu>();
  g.levelNumber = static_cast<std::int16_t>(level);
  g.load<Briefing>().window.show();
}

long countOf(const std::vector<std::string>& names, const std::string& name) {
  return std::count(names.begin(), names.end(), name);
}

struct BriefingCase {
  int level;
  const std::string* text;
  int sentencePauses;  // ": ", "? ", "! " and ". " in the text
  long keyCues;        // characters that are not spaces
};

TEST(Typewriter, TypesTheWholeBriefingAndRingsAtTheEnd) {
  for (const BriefingCase& c :
       {BriefingCase{1, &kBriefing1, 10, 347}, BriefingCase{2, &kBriefing2, 9, 414}}) {
    SCOPED_TRACE(c.level);
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, c.level);
    const Briefing& w = game.briefing();
    const auto length = static_cast<Millis>(toUtf32(*c.text).size());
    ASSERT_EQ(w.briefText, toUtf32(*c.text));
    // One character every 80 ms, half a second more after every sentence, then the bell.
    const Millis whole = 80 * (length + 1) + 500 * c.sentencePauses;
    game.clock.advanceBy(whole - 1);
    EXPECT_EQ(w.briefLabel.caption, *c.text);
    EXPECT_EQ(countOf(platform.soundNames(), "endwrite.smus"), 0);
    game.clock.advanceBy(1);
    const std::vector<std::string> cues = platform.soundNames();
    EXPECT_EQ(countOf(cues, "klac.smus"), c.keyCues);
    EXPECT_EQ(countOf(cues, "endwrite.smus"), 1);
    EXPECT_EQ(cues.back(), "endwrite.smus");
    EXPECT_FALSE(game.clock.enabled(kTypewriterTimer));
    game.clock.advanceBy(5000);
    EXPECT_EQ(platform.sounds.size(), cues.size());
  }
}

TEST(Typewriter, LevelsWithoutBriefingRingAtTheFirstTick) {
  for (int level : {3, 100}) {
    SCOPED_TRACE(level);
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, level);
    game.clock.advanceBy(79);
    EXPECT_TRUE(platform.sounds.empty());
    game.clock.advanceBy(1);
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"endwrite.smus"});
    EXPECT_EQ(game.briefing().briefLabel.caption, "");
    EXPECT_FALSE(game.clock.enabled(kTypewriterTimer));
  }
}

struct TypingStep {
  Millis at;          // after the window opened
  std::size_t shown;  // characters on screen
  long keyCues;
};

TEST(Typewriter, StandsStillForHalfASecondAfterASentence) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  const Millis opened = game.clock.now();
  // "Милорд! " is typed by 640 ms; the pause holds until 1140, the next letter at 1220.
  const std::vector<TypingStep> steps = {{80, 1, 1},   {560, 7, 7},  {640, 8, 7},
                                         {1219, 8, 7}, {1220, 9, 8}, {1300, 10, 9}};
  for (const TypingStep& s : steps) {
    SCOPED_TRACE(s.at);
    game.clock.advanceTo(opened + s.at);
    EXPECT_EQ(toUtf32(game.briefing().briefLabel.caption).size(), s.shown);
    EXPECT_EQ(countOf(platform.soundNames(), "klac.smus"), s.keyCues);
  }
  EXPECT_EQ(game.briefing().briefLabel.caption, "Милорд! Ко");
}

TEST(Typewriter, PauseHoldsTheLoadingPassAndTheProgressDisplay) {
  struct Case {
    const char* name;
    Millis loadAt;  // when "Загрузить" is pressed, after the window opened
  };
  for (const Case& c : {Case{"pressed before the pause", 600}, Case{"pressed during it", 700}}) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Game game(platform);
    toBriefing(game);
    const Millis opened = game.clock.now();
    const Briefing& w = game.briefing();
    const Battlefield& f = game.battlefield();
    game.clock.advanceTo(opened + c.loadAt);
    loadClick(game);
    game.clock.advanceTo(opened + 640);  // the pause begins
    const std::size_t tiles = f.terrainTiles.size();
    const float fill = w.loadingBar.width;
    game.clock.advanceTo(opened + 1139);
    EXPECT_EQ(f.terrainTiles.size(), tiles);
    EXPECT_EQ(w.loadingBar.width, fill);
    EXPECT_TRUE(w.paused);
    // The pause is over: a tile one frame later, the progress display 50 ms later.
    game.clock.advanceTo(opened + 1156);
    EXPECT_EQ(f.terrainTiles.size(), tiles + 1);
    EXPECT_EQ(w.loadingBar.width, fill);
    game.clock.advanceTo(opened + 1190);
    EXPECT_GT(w.loadingBar.width, fill);
  }
}

struct LoadingCase {
  int level;
  const char* tile;
  std::size_t tiles;
  Point last;
  float startTop;  // where "Начать" appears
  bool asksNickname;
};

TEST(LoadingPass, PaintsTheTerrainTileByTileAndOffersTheStart) {
  // Screen 1280 × 984 usable, 1024 full height.
  const std::vector<LoadingCase> cases = {
      {1, "Piclevel1", 20, {4800, 4800}, 984 / 2 - 25 + 50 + 120, true},
      {2, "Piclevel2", 100, {5400, 5400}, 1024 / 2 - 25 + 50, false},
      {3, "Piclevel3", 100, {5400, 5400}, 1024 / 2 - 25 + 50, false},
      {100, "Piclevel2", 100, {5400, 5400}, 1024 / 2 - 25 + 50, false},
  };
  for (const LoadingCase& c : cases) {
    SCOPED_TRACE(c.level);
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, c.level);
    const Briefing& w = game.briefing();
    loadClick(game);
    EXPECT_FALSE(w.loadButton.visible);
    EXPECT_TRUE(w.loadingBarFrame.visible && w.loadingBar.visible && w.loadingPercent.visible);
    std::vector<std::string> shown;
    for (int i = 0; i < 2000 && !w.startButton.visible; ++i) {
      game.clock.advanceBy(16);
      if (shown.empty() || shown.back() != w.loadingPercent.caption)
        shown.push_back(w.loadingPercent.caption);
    }
    ASSERT_TRUE(w.startButton.visible);
    const Battlefield& f = game.battlefield();
    EXPECT_EQ(f.terrainTile, c.tile);
    ASSERT_EQ(f.terrainTiles.size(), c.tiles);
    EXPECT_EQ(f.terrainTiles.front().x, 0);
    EXPECT_EQ(f.terrainTiles.front().y, 0);
    EXPECT_EQ(f.terrainTiles.back().x, c.last.x);
    EXPECT_EQ(f.terrainTiles.back().y, c.last.y);
    EXPECT_TRUE(f.minimapPictureReady);
    EXPECT_FALSE(game.clock.enabled(kLoadingTimer));
    EXPECT_EQ(w.startButton.top, c.startTop);
    // The percentage only grows, from 0 to 100, and stays at 100.
    EXPECT_EQ(shown.front(), "0 %");
    EXPECT_EQ(shown.back(), "100 %");
    for (std::size_t i = 1; i < shown.size(); ++i)
      EXPECT_LT(std::stoi(shown[i - 1]), std::stoi(shown[i])) << shown[i];
    game.clock.advanceBy(3000);
    EXPECT_EQ(w.loadingPercent.caption, "100 %");
    EXPECT_EQ(w.loadingBar.width, w.loadingBarFrame.width);
    EXPECT_EQ(w.loadingBar.backColor, 0xFFFF00u);
    EXPECT_EQ(w.loadingPercent.foreColor, 0x0000FFu);
    EXPECT_EQ(w.nickBox.visible, c.asksNickname);
    EXPECT_EQ(w.nickPrompt.visible, c.asksNickname);
    EXPECT_FALSE(game.battlefield().window.visible);
  }
}

TEST(LoadingPass, NothingFillsBeforeLoading) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  game.clock.advanceBy(3000);
  const Briefing& w = game.briefing();
  EXPECT_EQ(w.loadingBar.width, 0);
  EXPECT_EQ(w.loadingBar.backColor, 0xFF0000u);
  EXPECT_EQ(w.loadingPercent.foreColor, 0xFFFF00u);
  EXPECT_FALSE(w.nickBox.visible);
  EXPECT_FALSE(w.startButton.visible);
  EXPECT_TRUE(game.battlefield().terrainTiles.empty());
}

TEST(LoadingPass, UnevenGridHoldsOneHundredPercentAndAFullBar) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  game.battlefield().mapSurface.width = 6500;  // five 1600-pixel tiles per row, counted as four
  loadTerrain(game);
  game.clock.advanceBy(100);
  const Briefing& w = game.briefing();
  EXPECT_EQ(game.battlefield().terrainTiles.size(), 25u);
  EXPECT_EQ(w.totalTiles, 20);
  EXPECT_EQ(w.loadingPercent.caption, "100 %");
  EXPECT_FLOAT_EQ(w.loadingBar.width, w.loadingBarFrame.width);
}

struct NickCase {
  int level;
  const char* typed;  // into the nickname box before "Начать"; it shows on mission 1 only
  const char* before;
  const char* after;
};

TEST(Nickname, StartTakesTheBoxOnMissionOneOnly) {
  const std::vector<NickCase> cases = {
      {1, "Player1", "Вася", "Player1"},
      {1, "  Иван Грозный  ", "", "Иван Грозный"},
      {1, "      ", "Вася", "Player1"},
      {1, "", "Вася", "Player1"},
      {2, "Player1", "Вася", "Вася"},
      {3, "Player1", "Вася", "Вася"},
      {100, "Player1", "Вася", "Вася"},
      {2, "   ", "Вася", "Вася"},     // the hidden box keeps its "Player1"
      {2, "Player1", "", "Player1"},  // an empty nickname becomes "Player1" while loading
  };
  for (const NickCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.level) + " '" + c.typed + "'");
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, c.level);
    game.playerNick = c.before;
    loadTerrain(game);
    nickChange(game, c.typed);
    startClick(game);
    EXPECT_EQ(game.playerNick, c.after);
  }
}

TEST(Nickname, BoxTakesFifteenCharacters) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  loadTerrain(game);  // the box shows once the map is painted
  nickChange(game, "Александр Невский");
  EXPECT_EQ(game.briefing().nickBox.caption, "Александр Невск");
}

struct ViewCase {
  Point hq;
  float viewX, viewY;
};

TEST(StartMission, JoinedNetworkGameOpensOnTheEnemyHeadquarters) {
  // Screen 1280 × 984: the far scroll limits are 4855.8 across and 4866 down.
  const std::vector<ViewCase> cases = {
      {{2000, 3000}, 1830, 2850},
      {{400, 400}, 230, 250},
      {{100, 5500}, 0, 4866},
      {{5500, 5500}, 4855.8f, 4866},
  };
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.hq.x) + "," + std::to_string(c.hq.y));
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, 100);
    game.joinedNetworkGame = true;
    loadTerrain(game);
    Battlefield& f = game.battlefield();
    f.objects[kEnemyHq].left = static_cast<float>(c.hq.x);
    f.objects[kEnemyHq].top = static_cast<float>(c.hq.y);
    startClick(game);
    EXPECT_FLOAT_EQ(f.viewX, c.viewX);
    EXPECT_FLOAT_EQ(f.viewY, c.viewY);
    EXPECT_FLOAT_EQ(f.mapSurface.left, -c.viewX);
    EXPECT_FLOAT_EQ(f.mapSurface.top, -c.viewY);
    EXPECT_FLOAT_EQ(f.viewFrame.left, c.viewX);
    EXPECT_FLOAT_EQ(f.viewFrame.top, c.viewY);
  }
}

TEST(StartMission, StartRunsTheEconomyShowsTheBattlefieldAndClosesTheBriefing) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  loadTerrain(game);
  Battlefield& f = game.battlefield();
  f.curtain.visible = false;
  startClick(game);
  EXPECT_TRUE(game.clock.enabled(kEconomyTimer));
  EXPECT_TRUE(f.curtain.visible);
  EXPECT_TRUE(f.window.visible);
  EXPECT_FALSE(game.loaded<Briefing>());
  EXPECT_EQ(f.viewX, 0);
  EXPECT_EQ(f.mapSurface.left, 0);
}

}  // namespace
}  // namespace kr::test
