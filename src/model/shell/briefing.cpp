// The briefing and loading screen: the typewriter, the loading pass, the progress display
// and the start of the mission.
#include "model/shell/briefing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/battlefield/navigation.h"
#include "model/core/economy.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/input.h"
#include "model/persist/save_file.h"
#include "model/shell/windows.h"
#include "model/text.h"
#include "model/texts.h"

namespace kr {

namespace {

constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kYellow = 0xFFFF00;

std::u32string briefingFor(int number) { return toUtf32(levelRules(number).briefing); }

void centreAcross(Control& c, float screenWidth) { c.left = screenWidth / 2 - c.width / 2; }

// Places the controls for the screen size.
void layout(Game& g, Briefing& w) {
  const auto W = static_cast<float>(g.screenWidth);
  const auto H = static_cast<float>(g.screenHeight);
  const auto S = static_cast<float>(g.fullScreenHeight);
  const float loadHeight = w.loadButton.height;
  w.briefLabel.top = 100;
  w.briefLabel.width = W;
  w.briefLabel.height = 400;
  centreAcross(w.startButton, W);
  w.startButton.top = H / 2 - w.startButton.height / 2 + loadHeight + 120;
  centreAcross(w.loadButton, W);
  w.loadButton.top = S / 2 - loadHeight / 2 + loadHeight;
  w.quitButton.left = w.loadButton.left;
  w.quitButton.top = S - w.quitButton.height;
  centreAcross(w.nickBox, W);
  w.nickBox.top = S / 2 - w.nickBox.height / 2 + w.nickBox.height + 40;
  centreAcross(w.nickPrompt, W);
  w.nickPrompt.top = S / 2 - w.nickPrompt.height / 2 + w.nickPrompt.height + 10;
  centreAcross(w.loadingBarFrame, W);
  w.loadingBarFrame.top = S / 2 - loadHeight / 2;
  for (Control* c : {&w.loadingBar, &w.loadingPercent}) {
    c->left = w.loadingBarFrame.left;
    c->top = S / 2 - loadHeight / 2;
  }
}

// "Начать": where "Загрузить" was once the map is painted on a level that asks no name.
void placeStartButton(Game& g, Briefing& w) {
  if (levelRules(g.levelNumber).asksName || !g.loaded<Battlefield>() ||
      !g.battlefield().minimapPictureReady)
    return;
  const auto S = static_cast<float>(g.fullScreenHeight);
  w.startButton.top = S / 2 - w.startButton.height / 2 + w.startButton.height;
}

// True when the shown text ends a sentence or a clause: ": ", "? ", "! " or ". ".
bool endsSentence(std::u32string_view shown) {
  if (shown.size() < 2 || shown.back() != U' ') return false;
  const char32_t mark = shown[shown.size() - 2];
  return mark == U':' || mark == U'?' || mark == U'!' || mark == U'.';
}

// Typing, the loading pass and the progress display stand still for the pause.
void startPause(Game& g, Briefing& w) {
  Clock& c = g.clock;
  w.paused = true;
  w.loadingAfterPause = c.enabled(kLoadingTimer);
  c.setEnabled(kTypewriterTimer, false);
  c.setEnabled(kLoadingTimer, false);
  c.setEnabled(kProgressTimer, false);
  c.setEnabled(kSentencePauseTimer, true);
}

// The whole map is painted: the minimap takes its picture and "Начать" is offered.
void finishLoading(Game& g, Briefing& w, Battlefield& f) {
  f.minimapPictureReady = true;
  g.clock.setEnabled(kLoadingTimer, false);
  if (levelRules(g.levelNumber).asksName && g.playerNick.empty()) g.playerNick = text::kDefaultNick;
  placeStartButton(g, w);
  w.startButton.visible = true;
}

// A joined network game opens on the enemy headquarters' neighbourhood: the headquarters
// stands 170 pixels from the left and 150 from the top of the window, as far as the edge
// scrolling limits allow.
void viewEnemyHeadquarters(Game& g) {
  Battlefield& f = g.battlefield();
  const MapObject& hq = f.objects[kEnemyHq];
  const ScrollLimit limit = scrollLimit(g);
  const float maxX = std::max(0.0f, limit.x);
  const float maxY = std::max(0.0f, limit.y);
  scrollViewTo(f, std::clamp(hq.left - 170, 0.0f, maxX), std::clamp(hq.top - 150, 0.0f, maxY));
}

}  // namespace

const WindowTimer<Briefing> kTypewriterTimer({
    .name = "typewriter",
    .interval = 80ms,
    .place = 0,
    .tick = typewriterTick,
});

const WindowTimer<Briefing> kProgressTimer({
    .name = "progress",
    .interval = 50ms,
    .place = 1,
    .startsRunning = true,
    .display = true,
    .tick = progressTick,
});

const WindowTimer<Briefing> kLoadingTimer({
    .name = "loading",
    .interval = 1ms,
    .place = 2,
    .tick = loadingTick,
});

const WindowTimer<Briefing> kSentencePauseTimer({
    .name = "pause",
    .interval = 500ms,
    .place = 3,
    .tick = pauseOverTick,
});

void briefingLoad(Game& g) {
  Briefing& w = g.briefing();
  w.totalTiles = 1;
  g.load<Battlefield>();  // sets the battlefield up for levelNumber; it stays hidden
  g.clock.setEnabled(kTypewriterTimer, false);
  w.textPos = 0;
  w.briefLabel.caption.clear();
  w.briefText.clear();
  layout(g, w);
  w.briefText = briefingFor(g.levelNumber);
  g.clock.setEnabled(kTypewriterTimer, true);
  w.tileIndex = 0;
  g.loadX = 0;
  g.loadY = 0;
  g.battlefield().terrainTiles.clear();
}

void briefingScreenChanged(Game& g) {
  Briefing& w = g.briefing();
  layout(g, w);
  placeStartButton(g, w);
}

void typewriterTick(Game& g) {
  Briefing& w = g.briefing();
  w.textPos = static_cast<std::int16_t>(w.textPos + 1);
  if (static_cast<std::size_t>(w.textPos) > w.briefText.size()) {
    g.clock.setEnabled(kTypewriterTimer, false);
    g.playCue(cue::kEndOfText);
    return;
  }
  const std::u32string_view shown =
      std::u32string_view(w.briefText).substr(0, static_cast<std::size_t>(w.textPos));
  w.briefLabel.caption = toUtf8(shown);
  if (endsSentence(shown)) startPause(g, w);
  if (shown.back() != U' ') g.playCue(cue::kTypewriterKey);
}

void pauseOverTick(Game& g) {
  Briefing& w = g.briefing();
  Clock& c = g.clock;
  c.setEnabled(kSentencePauseTimer, false);
  w.paused = false;
  c.setEnabled(kTypewriterTimer, true);
  c.setEnabled(kProgressTimer, true);
  if (w.loadingAfterPause) c.setEnabled(kLoadingTimer, true);
  w.loadingAfterPause = false;
}

void progressTick(Game& g) {
  Briefing& w = g.briefing();
  w.stepWidth = w.loadingBarFrame.width / static_cast<float>(w.totalTiles);
  if (w.tileIndex <= static_cast<float>(w.totalTiles))
    w.loadingBar.width = w.stepWidth * w.tileIndex;
  if (w.tileIndex >= static_cast<float>(w.totalTiles)) {
    w.loadingPercent.foreColor = kBlue;
    w.loadingBar.backColor = kYellow;
    if (levelRules(g.levelNumber).asksName) {
      w.nickPrompt.visible = true;
      w.nickBox.visible = true;
    }
  }
}

void loadingTick(Game& g) {
  Briefing& w = g.briefing();
  if (g.playerNick.empty()) g.playerNick = text::kDefaultNick;
  if (g.loadPercent > 100) {
    w.tileIndex = w.totalTiles;
    w.loadingPercent.caption = text::kLoadedAll;
    w.loadingBar.width = static_cast<float>(w.totalTiles) * w.stepWidth;
  } else {
    w.loadingPercent.caption = std::to_string(g.loadPercent) + text::kPercentSuffix.c_str();
  }

  const TerrainTile tile = levelRules(g.levelNumber).terrain;
  if (!tile.name) return;
  // The battlefield may have gone since the briefing came up (the next mission's briefing
  // comes up over the last mission's battlefield, which then goes): painting loads it.
  Battlefield& f = g.load<Battlefield>();
  const float mapWidth = f.mapSurface.width;
  const float mapHeight = f.mapSurface.height;
  // Rounded to the nearest whole number, halves to the even one.
  w.totalTiles = static_cast<std::int16_t>(std::nearbyint(mapWidth / tile.width) *
                                           std::nearbyint(mapHeight / tile.height));
  g.loadPercent = static_cast<std::int16_t>(
      std::floor(w.tileIndex / static_cast<float>(w.totalTiles) * 100.0f));
  if (g.loadX < mapWidth && g.loadY < mapHeight) {
    f.terrainTile = tile.name;
    f.terrainTiles.push_back({static_cast<int>(g.loadX), static_cast<int>(g.loadY)});
    w.tileIndex += 1;
  }
  if (g.loadX < mapWidth) {
    g.loadX += tile.width;
  } else {
    g.loadX = 0;
    g.loadY += tile.height;
  }
  if (g.loadY > mapHeight) finishLoading(g, w, f);
}

void loadClick(Game& g) {
  if (!canClick(g, &Briefing::loadButton)) return;
  Briefing& w = g.briefing();
  w.loadingBarFrame.visible = true;
  w.loadingPercent.visible = true;
  w.loadingBar.visible = true;
  // During the pause after a sentence the pass waits for the pause to end.
  if (w.paused) w.loadingAfterPause = true;
  else g.clock.setEnabled(kLoadingTimer, true);
  w.loadButton.visible = false;
}

void nickChange(Game& g, const std::string& text) {
  if (!canClick(g, &Briefing::nickBox)) return;
  g.briefing().nickBox.caption = firstChars(text, kNickLetters);
}

void startClick(Game& g) {
  if (!canClick(g, &Briefing::startButton)) return;
  Battlefield& f = g.battlefield();
  g.clock.setEnabled(kEconomyTimer, true);
  f.curtain.visible = true;

  Briefing& w = g.briefing();
  w.briefText.clear();
  w.briefLabel.caption.clear();
  g.clock.setEnabled(kTypewriterTimer, false);

  const std::string nick = trimSpaces(w.nickBox.caption);
  if (!nick.empty() && levelRules(g.levelNumber).asksName) g.playerNick = nick;
  if (nick.empty()) g.playerNick = text::kDefaultNick;

  f.window.show();
  g.unload<Briefing>();
  if (g.joinedNetworkGame) viewEnemyHeadquarters(g);
}

void quitClick(Game& g) {
  if (!canClick(g, &Briefing::quitButton)) return;
  g.end();
}

}  // namespace kr
