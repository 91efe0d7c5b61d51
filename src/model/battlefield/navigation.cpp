// The view over the map: edge scrolling on the navigation tick, the jump by a right press on
// the minimap, and the one place that moves the view.
#include "model/battlefield/navigation.h"

#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"

namespace kr {

namespace {

constexpr float kStep = kScrollStep;
constexpr int kEdgeZone = 10;

}  // namespace

ScrollLimit scrollLimit(const Game& g) {
  const Battlefield& f = g.battlefield();
  const float sw = static_cast<float>(g.screenWidth);
  const float sh = static_cast<float>(g.screenHeight);
  return {f.mapSurface.width - sw + f.buildFrame.width + f.minimapFrame.width - 170,
          f.mapSurface.height - sh - 150};
}

void scrollViewTo(Battlefield& f, float x, float y) {
  f.viewX = x;
  f.viewY = y;
  f.mapSurface.left = -x;
  f.mapSurface.top = -y;
  f.viewFrame.left = x;
  f.viewFrame.top = y;
}

void navigationTick(Game& g) {
  Battlefield& f = g.battlefield();
  if (!canScroll(f)) return;
  // One reading of the pointer serves all four edges.
  const Point cursor = g.platform.cursorPos();

  const float sw = static_cast<float>(g.screenWidth);
  const float px = static_cast<float>(cursor.x);
  const float py = static_cast<float>(cursor.y);
  // Each edge sees the steps of the edges before it.
  const ScrollLimit limit = scrollLimit(g);
  float x = f.viewX;
  float y = f.viewY;
  if (y > 0 && cursor.y < kEdgeZone) y -= kStep;
  // The bottom zone is the band of the chat input line, shown or not.
  if (y < limit.y && f.chatLine.top < py && py < f.chatLine.top + f.chatLine.height) y += kStep;
  if (x > 0 && cursor.x < kEdgeZone) x -= kStep;
  if (sw - kEdgeZone < px && px < sw && x < limit.x) x += kStep;
  scrollViewTo(f, x, y);
}

void minimapMouseDown(Game& g, int button, float x, float y) {
  if (button != 2) return;
  // The pressed point becomes the view's top-left corner; edge scrolling goes on from there.
  scrollViewTo(g.battlefield(), x, y);
}

void minimapPress(Game& g, int button, float x, float y) {
  if (!canClick(g, &Battlefield::minimap, &Battlefield::minimapFrame)) return;
  const Control& z = g.battlefield().curtain;
  if (z.visible && x >= z.left && x < z.right() && y >= z.top && y < z.bottom()) return;
  minimapMouseDown(g, button, x, y);
}

bool canScroll(const Battlefield& f) { return f.window.enabled && f.locatorBuilt; }

const WindowTimer<Battlefield> kScrollingTimer({
    .name = "scrolling",
    .interval = 1ms,
    .place = 7,
    .startsRunning = true,
    // Without a locator, or while the battlefield takes no input, the tick does nothing.
    .canWait = [](const Game& g) { return !canScroll(g.battlefield()); },
    .tick = navigationTick,
});

}  // namespace kr
