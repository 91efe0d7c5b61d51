// The briefing and loading screen: the typewriter with its pauses and cues, the loading
// pass, the progress display, the nickname and the start of the mission.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/shell/briefing.h"
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
  g.unloadWelcome();
  g.LevelNumber = static_cast<std::int16_t>(level);
  g.form2().window.show();
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
  for (const BriefingCase& c : {BriefingCase{1, &kBriefing1, 10, 347},
                                BriefingCase{2, &kBriefing2, 9, 414}}) {
    SCOPED_TRACE(c.level);
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, c.level);
    const Form2& w = game.form2();
    const auto length = static_cast<Millis>(toUtf32(*c.text).size());
    ASSERT_EQ(w.BriefText, toUtf32(*c.text));
    // One character every 80 ms, half a second more after every sentence, then the bell.
    const Millis whole = 80 * (length + 1) + 500 * c.sentencePauses;
    game.clock.advanceBy(whole - 1);
    EXPECT_EQ(w.Label1.caption, *c.text);
    EXPECT_EQ(countOf(platform.soundNames(), "endwrite.smus"), 0);
    game.clock.advanceBy(1);
    const std::vector<std::string> cues = platform.soundNames();
    EXPECT_EQ(countOf(cues, "klac.smus"), c.keyCues);
    EXPECT_EQ(countOf(cues, "endwrite.smus"), 1);
    EXPECT_EQ(cues.back(), "endwrite.smus");
    EXPECT_FALSE(game.clock.enabled(w.timers.TextTmr));
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
    EXPECT_EQ(game.form2().Label1.caption, "");
    EXPECT_FALSE(game.clock.enabled(game.form2().timers.TextTmr));
  }
}

struct TypingStep {
  Millis at;           // after the window opened
  std::size_t shown;   // characters on screen
  long keyCues;
};

TEST(Typewriter, StandsStillForHalfASecondAfterASentence) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  const Millis opened = game.clock.now();
  // "Милорд! " is typed by 640 ms; the pause holds until 1140, the next letter at 1220.
  const std::vector<TypingStep> steps = {
      {80, 1, 1}, {560, 7, 7}, {640, 8, 7}, {1219, 8, 7}, {1220, 9, 8}, {1300, 10, 9}};
  for (const TypingStep& s : steps) {
    SCOPED_TRACE(s.at);
    game.clock.advanceTo(opened + s.at);
    EXPECT_EQ(toUtf32(game.form2().Label1.caption).size(), s.shown);
    EXPECT_EQ(countOf(platform.soundNames(), "klac.smus"), s.keyCues);
  }
  EXPECT_EQ(game.form2().Label1.caption, "Милорд! Ко");
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
    const Form2& w = game.form2();
    const Form1& f = game.form1();
    game.clock.advanceTo(opened + c.loadAt);
    loadClick(game);
    game.clock.advanceTo(opened + 640);  // the pause begins
    const std::size_t tiles = f.terrainTiles.size();
    const float fill = w.PrBar.width;
    game.clock.advanceTo(opened + 1139);
    EXPECT_EQ(f.terrainTiles.size(), tiles);
    EXPECT_EQ(w.PrBar.width, fill);
    EXPECT_TRUE(w.paused);
    // The pause is over: a tile one frame later, the progress display 50 ms later.
    game.clock.advanceTo(opened + 1156);
    EXPECT_EQ(f.terrainTiles.size(), tiles + 1);
    EXPECT_EQ(w.PrBar.width, fill);
    game.clock.advanceTo(opened + 1190);
    EXPECT_GT(w.PrBar.width, fill);
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
    const Form2& w = game.form2();
    loadClick(game);
    EXPECT_FALSE(w.Command2.visible);
    EXPECT_TRUE(w.ObBar.visible && w.PrBar.visible && w.Label2.visible);
    std::vector<std::string> shown;
    for (int i = 0; i < 2000 && !w.Command1.visible; ++i) {
      game.clock.advanceBy(16);
      if (shown.empty() || shown.back() != w.Label2.caption) shown.push_back(w.Label2.caption);
    }
    ASSERT_TRUE(w.Command1.visible);
    const Form1& f = game.form1();
    EXPECT_EQ(f.terrainTile, c.tile);
    ASSERT_EQ(f.terrainTiles.size(), c.tiles);
    EXPECT_EQ(f.terrainTiles.front().x, 0);
    EXPECT_EQ(f.terrainTiles.front().y, 0);
    EXPECT_EQ(f.terrainTiles.back().x, c.last.x);
    EXPECT_EQ(f.terrainTiles.back().y, c.last.y);
    EXPECT_TRUE(f.minimapPictureReady);
    EXPECT_FALSE(game.clock.enabled(w.timers.LoadingTmr));
    EXPECT_EQ(w.Command1.top, c.startTop);
    // The percentage only grows, from 0 to 100, and stays at 100.
    EXPECT_EQ(shown.front(), "0 %");
    EXPECT_EQ(shown.back(), "100 %");
    for (std::size_t i = 1; i < shown.size(); ++i)
      EXPECT_LT(std::stoi(shown[i - 1]), std::stoi(shown[i])) << shown[i];
    game.clock.advanceBy(3000);
    EXPECT_EQ(w.Label2.caption, "100 %");
    EXPECT_EQ(w.PrBar.width, w.ObBar.width);
    EXPECT_EQ(w.PrBar.backColor, 0xFFFF00u);
    EXPECT_EQ(w.Label2.foreColor, 0x0000FFu);
    EXPECT_EQ(w.Nick.visible, c.asksNickname);
    EXPECT_EQ(w.LblNick.visible, c.asksNickname);
    EXPECT_FALSE(game.form1().window.visible);
  }
}

TEST(LoadingPass, NothingFillsBeforeLoading) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  game.clock.advanceBy(3000);
  const Form2& w = game.form2();
  EXPECT_EQ(w.PrBar.width, 0);
  EXPECT_EQ(w.PrBar.backColor, 0xFF0000u);
  EXPECT_EQ(w.Label2.foreColor, 0xFFFF00u);
  EXPECT_FALSE(w.Nick.visible);
  EXPECT_FALSE(w.Command1.visible);
  EXPECT_TRUE(game.form1().terrainTiles.empty());
}

TEST(LoadingPass, UnevenGridHoldsOneHundredPercentAndAFullBar) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  game.form1().picture1.width = 6500;  // five 1600-pixel tiles per row, counted as four
  loadTerrain(game);
  game.clock.advanceBy(100);
  const Form2& w = game.form2();
  EXPECT_EQ(game.form1().terrainTiles.size(), 25u);
  EXPECT_EQ(w.TotalTiles, 20);
  EXPECT_EQ(w.Label2.caption, "100 %");
  EXPECT_FLOAT_EQ(w.PrBar.width, w.ObBar.width);
}

struct NickCase {
  int level;
  const char* typed;  // the nickname box at "Начать"
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
      {2, "   ", "Вася", "Player1"},
      {2, "Player1", "", "Player1"},  // an empty nickname becomes "Player1" while loading
  };
  for (const NickCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.level) + " '" + c.typed + "'");
    FakePlatform platform;
    Game game(platform);
    openBriefing(game, c.level);
    game.PlayerNick = c.before;
    loadTerrain(game);
    nickChange(game, c.typed);
    startClick(game);
    EXPECT_EQ(game.PlayerNick, c.after);
  }
}

TEST(Nickname, BoxTakesFifteenCharacters) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  nickChange(game, "Александр Невский");
  EXPECT_EQ(game.form2().Nick.caption, "Александр Невск");
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
    game.JoinedNetworkGame = true;
    loadTerrain(game);
    Form1& f = game.form1();
    f.Baza[kEnemyHq].left = static_cast<float>(c.hq.x);
    f.Baza[kEnemyHq].top = static_cast<float>(c.hq.y);
    startClick(game);
    EXPECT_FLOAT_EQ(f.ViewX, c.viewX);
    EXPECT_FLOAT_EQ(f.ViewY, c.viewY);
    EXPECT_FLOAT_EQ(f.picture1.left, -c.viewX);
    EXPECT_FLOAT_EQ(f.picture1.top, -c.viewY);
    EXPECT_FLOAT_EQ(f.MapKursor.left, c.viewX);
    EXPECT_FLOAT_EQ(f.MapKursor.top, c.viewY);
  }
}

TEST(StartMission, StartRunsTheEconomyShowsTheBattlefieldAndClosesTheBriefing) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  loadTerrain(game);
  Form1& f = game.form1();
  f.Zaslonka.visible = false;
  startClick(game);
  EXPECT_TRUE(game.clock.enabled(f.timers.Timer1));
  EXPECT_TRUE(f.Zaslonka.visible);
  EXPECT_TRUE(f.window.visible);
  EXPECT_FALSE(game.form2Loaded());
  EXPECT_EQ(f.ViewX, 0);
  EXPECT_EQ(f.picture1.left, 0);
}

}  // namespace
}  // namespace kr::test
