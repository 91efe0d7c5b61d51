// The briefing and loading screen: the typewriter, the loading pass, the progress display
// and the start of the mission.
#include "model/shell/briefing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/game.h"
#include "model/text.h"

namespace kr {

namespace {

constexpr int kTypingInterval = 80;
constexpr int kProgressInterval = 50;
constexpr int kLoadingInterval = 1;  // as fast as the platform's timer goes
constexpr int kSentencePause = 500;
constexpr std::size_t kNickMaxChars = 15;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kYellow = 0xFFFF00;

constexpr const char* kBriefingLevel1 =
    "Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
    "ресурсы! Ваше задание будет очень простым, но из-за этого "
    "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
    "каждого из трех ресурсов. Места для строительства Мы можем "
    "выделить для Вас очень мало, но должно хватить... Если Вы "
    "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
    "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
    "получится...";

constexpr const char* kBriefingLevel2 =
    "Что, расслабились? Рановато почивать на лаврах! Вы успешно "
    "справились с первым заданием! А посему, как лучшего "
    "Командующего Королевства, придется Вас сразу бросить в "
    "пекло Войны... Враг не дремлет и находится рядом с "
    "Королевством. Ваша база должна быть отстроена на границе. "
    "Задача же такова: Уничтожить подступающего к Королевству "
    "противника! Да так, чтобы он больше никогда не захотел "
    "делать попытку откусить лакомый кусочек от нашей Славной "
    "Державы! Покажите ему Кузькину мать!!!";

std::u32string briefingFor(int level) {
  if (level == 1) return toUtf32(kBriefingLevel1);
  if (level == 2) return toUtf32(kBriefingLevel2);
  return {};
}

// The terrain tile of a level: its picture and size in pixels; empty name for a level that
// paints no terrain.
struct TerrainTile {
  const char* name = nullptr;
  float width = 0;
  float height = 0;
};

TerrainTile terrainTileFor(int level) {
  switch (level) {
    case 1: return {"Piclevel1", 1600, 1200};
    case 2:
    case 100: return {"Piclevel2", 600, 600};
    case 3: return {"Piclevel3", 600, 600};
    default: return {};
  }
}

void registerTimers(Game& g, Form2& w) {
  Clock& c = g.clock;
  Form2Timers& t = w.timers;
  t.TextTmr = c.add("TextTmr", kTypingInterval, false, [&g] { typewriterTick(g); });
  t.Timer1 = c.add("Form2.Timer1", kProgressInterval, true, [&g] { progressTick(g); });
  t.LoadingTmr = c.add("LoadingTmr", kLoadingInterval, false, [&g] { loadingTick(g); });
  t.PauseTmr = c.add("PauseTmr", kSentencePause, false, [&g] { pauseOverTick(g); });
}

void centreAcross(Control& c, float screenWidth) { c.left = screenWidth / 2 - c.width / 2; }

// Places the controls for the screen size.
void layout(Game& g, Form2& w) {
  const auto W = static_cast<float>(g.ScreenWidth);
  const auto H = static_cast<float>(g.ScreenHeight);
  const auto S = static_cast<float>(g.FullScreenHeight);
  const float loadHeight = w.Command2.height;
  w.Label1.top = 100;
  w.Label1.width = W;
  w.Label1.height = 400;
  centreAcross(w.Command1, W);
  w.Command1.top = H / 2 - w.Command1.height / 2 + loadHeight + 120;
  centreAcross(w.Command2, W);
  w.Command2.top = S / 2 - loadHeight / 2 + loadHeight;
  w.Command3.left = w.Command2.left;
  w.Command3.top = S - w.Command3.height;
  centreAcross(w.Nick, W);
  w.Nick.top = S / 2 - w.Nick.height / 2 + w.Nick.height + 40;
  centreAcross(w.LblNick, W);
  w.LblNick.top = S / 2 - w.LblNick.height / 2 + w.LblNick.height + 10;
  centreAcross(w.ObBar, W);
  w.ObBar.top = S / 2 - loadHeight / 2;
  for (Control* c : {&w.PrBar, &w.Label2}) {
    c->left = w.ObBar.left;
    c->top = S / 2 - loadHeight / 2;
  }
}

// True when the shown text ends a sentence or a clause: ": ", "? ", "! " or ". ".
bool endsSentence(std::u32string_view shown) {
  if (shown.size() < 2 || shown.back() != U' ') return false;
  const char32_t mark = shown[shown.size() - 2];
  return mark == U':' || mark == U'?' || mark == U'!' || mark == U'.';
}

// Typing, the loading pass and the progress display stand still for the pause.
void startPause(Game& g, Form2& w) {
  Clock& c = g.clock;
  w.paused = true;
  w.loadingAfterPause = c.enabled(w.timers.LoadingTmr);
  c.setEnabled(w.timers.TextTmr, false);
  c.setEnabled(w.timers.LoadingTmr, false);
  c.setEnabled(w.timers.Timer1, false);
  c.setEnabled(w.timers.PauseTmr, true);
}

// The whole map is painted: the minimap takes its picture and "Начать" is offered.
void finishLoading(Game& g, Form2& w, Form1& f) {
  f.minimapPictureReady = true;
  g.clock.setEnabled(w.timers.LoadingTmr, false);
  if (g.LevelNumber == 1) {
    if (g.PlayerNick.empty()) g.PlayerNick = "Player1";
  } else {
    // Where "Загрузить" was.
    const auto S = static_cast<float>(g.FullScreenHeight);
    w.Command1.top = S / 2 - w.Command1.height / 2 + w.Command1.height;
  }
  w.Command1.visible = true;
}

// A joined network game opens on the enemy headquarters' neighbourhood: the headquarters
// stands 170 pixels from the left and 150 from the top of the window, as far as the edge
// scrolling limits allow. The map surface stands at minus the view offsets and the
// minimap's frame at the view offsets, as edge scrolling expects.
void viewEnemyHeadquarters(Game& g) {
  Form1& f = g.form1();
  const MapObject& hq = f.Baza[kEnemyHq];
  const float maxX = std::max(0.0f, f.picture1.width - static_cast<float>(g.ScreenWidth) +
                                        f.Builder.width + f.Map.width - 170);
  const float maxY =
      std::max(0.0f, f.picture1.height - static_cast<float>(g.ScreenHeight) - 150);
  f.ViewX = std::clamp(hq.left - 170, 0.0f, maxX);
  f.ViewY = std::clamp(hq.top - 150, 0.0f, maxY);
  f.picture1.left = -f.ViewX;
  f.picture1.top = -f.ViewY;
  f.MapKursor.left = f.ViewX;
  f.MapKursor.top = f.ViewY;
}

}  // namespace

void form2Load(Game& g) {
  Form2& w = g.form2();
  registerTimers(g, w);
  w.TotalTiles = 1;
  g.form1();  // sets the battlefield up for LevelNumber; it stays hidden
  g.clock.setEnabled(w.timers.TextTmr, false);
  w.TextPos = 0;
  w.Label1.caption.clear();
  w.BriefText.clear();
  layout(g, w);
  w.BriefText = briefingFor(g.LevelNumber);
  g.clock.setEnabled(w.timers.TextTmr, true);
  w.TileIndex = 0;
  g.LoadX = 0;
  g.LoadY = 0;
  g.form1().terrainTiles.clear();
}

void typewriterTick(Game& g) {
  Form2& w = g.form2();
  w.TextPos = static_cast<std::int16_t>(w.TextPos + 1);
  if (static_cast<std::size_t>(w.TextPos) > w.BriefText.size()) {
    g.clock.setEnabled(w.timers.TextTmr, false);
    g.playCue("endwrite.smus");
    return;
  }
  const std::u32string_view shown =
      std::u32string_view(w.BriefText).substr(0, static_cast<std::size_t>(w.TextPos));
  w.Label1.caption = toUtf8(shown);
  if (endsSentence(shown)) startPause(g, w);
  if (shown.back() != U' ') g.playCue("klac.smus");
}

void pauseOverTick(Game& g) {
  Form2& w = g.form2();
  Clock& c = g.clock;
  c.setEnabled(w.timers.PauseTmr, false);
  w.paused = false;
  c.setEnabled(w.timers.TextTmr, true);
  c.setEnabled(w.timers.Timer1, true);
  if (w.loadingAfterPause) c.setEnabled(w.timers.LoadingTmr, true);
  w.loadingAfterPause = false;
}

void progressTick(Game& g) {
  Form2& w = g.form2();
  w.StepWidth = w.ObBar.width / static_cast<float>(w.TotalTiles);
  if (w.TileIndex <= static_cast<float>(w.TotalTiles)) w.PrBar.width = w.StepWidth * w.TileIndex;
  if (w.TileIndex >= static_cast<float>(w.TotalTiles)) {
    w.Label2.foreColor = kBlue;
    w.PrBar.backColor = kYellow;
    if (g.LevelNumber == 1) {
      w.LblNick.visible = true;
      w.Nick.visible = true;
    }
  }
}

void loadingTick(Game& g) {
  Form2& w = g.form2();
  if (g.PlayerNick.empty()) g.PlayerNick = "Player1";
  if (g.LoadPercent > 100) {
    w.TileIndex = w.TotalTiles;
    w.Label2.caption = "100 %";
    w.PrBar.width = static_cast<float>(w.TotalTiles) * w.StepWidth;
  } else {
    w.Label2.caption = std::to_string(g.LoadPercent) + " %";
  }

  const TerrainTile tile = terrainTileFor(g.LevelNumber);
  if (!tile.name) return;
  Form1& f = g.form1();
  const float mapWidth = f.picture1.width;
  const float mapHeight = f.picture1.height;
  // Rounded to the nearest whole number, halves to the even one.
  w.TotalTiles = static_cast<std::int16_t>(std::nearbyint(mapWidth / tile.width) *
                                           std::nearbyint(mapHeight / tile.height));
  g.LoadPercent = static_cast<std::int16_t>(
      std::floor(w.TileIndex / static_cast<float>(w.TotalTiles) * 100.0f));
  if (g.LoadX < mapWidth && g.LoadY < mapHeight) {
    f.terrainTile = tile.name;
    f.terrainTiles.push_back({static_cast<int>(g.LoadX), static_cast<int>(g.LoadY)});
    w.TileIndex += 1;
  }
  if (g.LoadX < mapWidth) {
    g.LoadX += tile.width;
  } else {
    g.LoadX = 0;
    g.LoadY += tile.height;
  }
  if (g.LoadY > mapHeight) finishLoading(g, w, f);
}

void loadClick(Game& g) {
  Form2& w = g.form2();
  w.ObBar.visible = true;
  w.Label2.visible = true;
  w.PrBar.visible = true;
  // During the pause after a sentence the pass waits for the pause to end.
  if (w.paused)
    w.loadingAfterPause = true;
  else
    g.clock.setEnabled(w.timers.LoadingTmr, true);
  w.Command2.visible = false;
}

void nickChange(Game& g, const std::string& text) {
  g.form2().Nick.caption = firstChars(text, kNickMaxChars);
}

void startClick(Game& g) {
  Form1& f = g.form1();
  g.clock.setEnabled(f.timers.Timer1, true);
  f.Zaslonka.visible = true;

  Form2& w = g.form2();
  w.BriefText.clear();
  w.Label1.caption.clear();
  g.clock.setEnabled(w.timers.TextTmr, false);

  const std::string nick = trimSpaces(w.Nick.caption);
  if (!nick.empty() && g.LevelNumber == 1) g.PlayerNick = nick;
  if (nick.empty()) g.PlayerNick = "Player1";

  f.window.show();
  g.unloadForm2();
  if (g.JoinedNetworkGame) viewEnemyHeadquarters(g);
}

void quitClick(Game& g) { g.end(); }

}  // namespace kr
