// The enemy bot: one step of its fixed build order beside the enemy headquarters per turn.
#include "model/bot/bot.h"

#include <cmath>

#include "model/core/building_kinds.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/game.h"

namespace kr {

namespace {

constexpr float kGap = 15;
constexpr int kLastScannedSlot = 600;

enum class Direction { Left, Up, Right, Down };
enum class Placement { Direct, ScanShown, ScanAll };

struct Position {
  float left;
  float top;
};

// Beside the headquarters q, for a building of w × h.
Position adjacent(Direction d, const MapObject& q, float w, float h) {
  switch (d) {
    case Direction::Left: return {q.left - w - kGap, q.top};
    case Direction::Up: return {q.left, q.top - kGap - h - kGap};
    case Direction::Right: return {q.left + q.width + kGap, q.top};
    case Direction::Down: break;
  }
  return {q.left, q.top + q.height + kGap};
}

// Beyond the enemy building s, when s lies on that side of the headquarters.
bool beyondTest(Direction d, const MapObject& q, const MapObject& s) {
  switch (d) {
    case Direction::Left: return q.left - kGap > s.left;
    case Direction::Up: return s.top < q.top;
    case Direction::Right: return q.left + q.width < s.left;
    case Direction::Down: break;
  }
  return s.top > q.top;
}

Position beyond(Direction d, const MapObject& q, const MapObject& s, float w, float h) {
  switch (d) {
    case Direction::Left: return {s.left - (w + kGap), q.top};
    case Direction::Up: return {q.left, s.top - kGap - (h + kGap)};
    case Direction::Right: return {s.left + s.width + kGap + (w + kGap), q.top};
    case Direction::Down: break;
  }
  return {q.left, s.top + s.height + kGap + (h + kGap)};
}

void moveTo(MapObject& o, Position p) {
  o.left = p.left;
  o.top = p.top;
}

// Step 1: each range that holds sets its side; 0.25 matches none, 0.75 ends below.
void placeDirect(MapObject& slot, const MapObject& q, float r) {
  const float w = slot.width, h = slot.height;
  if (r < 0.25f) moveTo(slot, adjacent(Direction::Left, q, w, h));
  if (r > 0.25f && r <= 0.5f) moveTo(slot, adjacent(Direction::Up, q, w, h));
  if (r > 0.5f && r <= 0.75f) moveTo(slot, adjacent(Direction::Right, q, w, h));
  if (r >= 0.75f) moveTo(slot, adjacent(Direction::Down, q, w, h));
}

Direction scanDirection(float r) {
  if (r < 0.25f) return Direction::Left;
  if (r <= 0.5f) return Direction::Up;
  if (r < 0.75f) return Direction::Right;
  return Direction::Down;
}

// Visits every enemy slot; the position set at the last visit is the one that stands.
void placeByScan(Battlefield& f, MapObject& slot, const MapObject& q, float r, bool shownOnly) {
  const Direction d = scanDirection(r);
  for (int i = kFirstEnemySlot; i <= kLastScannedSlot; ++i) {
    const MapObject& s = f.objects[static_cast<std::size_t>(i)];
    const float w = slot.width, h = slot.height;
    if (beyondTest(d, q, s) && (!shownOnly || s.shown)) moveTo(slot, beyond(d, q, s, w, h));
    else moveTo(slot, adjacent(d, q, w, h));
  }
}

// Puts the enemy building of step n into slot 300 + n and sets the time to the next turn.
void buildEnemy(Game& g, std::int32_t n, const BuildingKind& kind, Placement placement,
                float nextInterval) {
  Battlefield& f = g.battlefield();
  const int k = kLastPlayerSlot + static_cast<int>(n);
  MapObject& slot = f.objects[static_cast<std::size_t>(k)];
  const MapObject& q = f.objects[kEnemyHq];
  fitSlot(slot, kind.footprint);
  if (placement == Placement::Direct) placeDirect(slot, q, g.botRoll);
  else placeByScan(f, slot, q, g.botRoll, placement == Placement::ScanShown);
  slot.shown = true;
  f.markers[static_cast<std::size_t>(k)] = Marker{slot.left, slot.top, true};
  slot.picture = kind.picture;
  slot.border = 0;
  slot.kind = kind.kind;
  f.objectChanged(k);
  g.clock.setInterval(kBotTimer,
                      std::chrono::milliseconds(static_cast<int>(std::nearbyint(nextInterval))));
}

}  // namespace

void botTurn(Game& g) {
  const std::int32_t n = g.enemyBuildStep;
  g.botRoll = g.platform.random();
  const float r = g.botRoll;
  const float shortWait = (r * 10.0f + 4.0f) * 1000.0f;

  const BuildingKind& metalWorks = kindOf(Building::kEnemyMetalWorks);
  const BuildingKind& accumulator = kindOf(Building::kEnemyAccumulator);

  if (n == 6) buildEnemy(g, n, metalWorks, Placement::ScanAll, (r * 10.0f + 8.0f) * 1000.0f);
  if (n > 1 && n <= 4) buildEnemy(g, n, accumulator, Placement::ScanShown, shortWait);
  if (n >= 7 && n <= 9) buildEnemy(g, n, accumulator, Placement::ScanShown, 10000.0f + shortWait);
  if (n == 1) buildEnemy(g, n, accumulator, Placement::Direct, shortWait);
  g.enemyBuildStep = n + 1;
}

const WindowTimer<Battlefield> kBotTimer({
    .name = "bot",
    .interval = 3000ms,
    .place = 8,
    .pausedByMenu = true,
    .resumesAfterMenu = [](const Game& g) { return levelRules(g.levelNumber).botResumesAfterMenu; },
    .tick = botTurn,
});

}  // namespace kr
