// Edge scrolling on the navigation tick and the jump by a right press on the minimap.
#include "model/battlefield/navigation.h"

#include "model/game.h"

namespace kr {

namespace {

constexpr float kStep = 50;
constexpr int kEdgeZone = 10;

}  // namespace

void navigationTick(Game& g) {
  Battlefield& f = g.battlefield();
  // One reading of the pointer serves all four edges.
  const Point cursor = g.platform.cursorPos();
  if (!f.window.enabled || !f.locatorBuilt) return;

  const float sw = static_cast<float>(g.screenWidth);
  const float sh = static_cast<float>(g.screenHeight);
  const float x = static_cast<float>(cursor.x);
  const float y = static_cast<float>(cursor.y);
  Control& frame = f.viewFrame;

  if (f.viewY > 0 && cursor.y < kEdgeZone) {
    f.viewY -= kStep;
    if (frame.top > 0) frame.top -= kStep;
    f.mapSurface.top += kStep;
  }
  // The bottom zone is the band of the chat input line, shown or not.
  if (f.viewY < f.mapSurface.height - sh - 150 && f.chatLine.top < y &&
      y < f.chatLine.top + f.chatLine.height) {
    f.viewY += kStep;
    if (frame.top + frame.height < f.mapSurface.height) frame.top += kStep;
    f.mapSurface.top -= kStep;
  }
  if (f.viewX > 0 && cursor.x < kEdgeZone) {
    f.viewX -= kStep;
    if (frame.left > 0) frame.left -= kStep;
    f.mapSurface.left += kStep;
  }
  if (sw - kEdgeZone < x && x < sw &&
      f.viewX < f.mapSurface.width - sw + f.buildFrame.width + f.minimapFrame.width - 170) {
    f.viewX += kStep;
    if (frame.left + frame.width < f.mapSurface.width) frame.left += kStep;
    f.mapSurface.left -= kStep;
  }
}

void minimapMouseDown(Game& g, int button, float x, float y) {
  if (button != 2) return;
  Battlefield& f = g.battlefield();
  // The pressed point becomes the view's top-left corner; map and frame follow, so that
  // edge scrolling goes on from there.
  f.viewX = x;
  f.viewY = y;
  f.mapSurface.left = -x;
  f.mapSurface.top = -y;
  f.viewFrame.left = x;
  f.viewFrame.top = y;
}

void minimapPress(Game& g, int button, float x, float y) {
  const Control& z = g.battlefield().curtain;
  if (z.visible && x >= z.left && x < z.right() && y >= z.top && y < z.bottom()) return;
  minimapMouseDown(g, button, x, y);
}

void registerScrollingTimer(Game& g, BattlefieldTimers& timers) {
  timers.scrolling =
      g.clock.add("scrolling", kScrollingInterval, true, [&g] { navigationTick(g); });
}

}  // namespace kr
