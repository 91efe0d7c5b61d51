// Edge scrolling on the navigation tick and the jump by a right press on the minimap.
#include "model/battlefield/navigation.h"

#include "model/game.h"

namespace kr {

namespace {

constexpr float kStep = 50;
constexpr int kEdgeZone = 10;

}  // namespace

void navigationTick(Game& g) {
  Form1& f = g.form1();
  // One reading of the pointer serves all four edges.
  const Point cursor = g.platform.cursorPos();
  if (!f.window.enabled || !f.LocatorBuilt) return;

  const float sw = static_cast<float>(g.ScreenWidth);
  const float sh = static_cast<float>(g.ScreenHeight);
  const float x = static_cast<float>(cursor.x);
  const float y = static_cast<float>(cursor.y);
  Control& frame = f.MapKursor;

  if (f.ViewY > 0 && cursor.y < kEdgeZone) {
    f.ViewY -= kStep;
    if (frame.top > 0) frame.top -= kStep;
    f.picture1.top += kStep;
  }
  // The bottom zone is the band of the chat input line, shown or not.
  if (f.ViewY < f.picture1.height - sh - 150 && f.chatText.top < y &&
      y < f.chatText.top + f.chatText.height) {
    f.ViewY += kStep;
    if (frame.top + frame.height < f.picture1.height) frame.top += kStep;
    f.picture1.top -= kStep;
  }
  if (f.ViewX > 0 && cursor.x < kEdgeZone) {
    f.ViewX -= kStep;
    if (frame.left > 0) frame.left -= kStep;
    f.picture1.left += kStep;
  }
  if (sw - kEdgeZone < x && x < sw &&
      f.ViewX < f.picture1.width - sw + f.Builder.width + f.Map.width - 170) {
    f.ViewX += kStep;
    if (frame.left + frame.width < f.picture1.width) frame.left += kStep;
    f.picture1.left -= kStep;
  }
}

void minimapMouseDown(Game& g, int button, float x, float y) {
  if (button != 2) return;
  Form1& f = g.form1();
  // The pressed point becomes the view's top-left corner; map and frame follow, so that
  // edge scrolling goes on from there.
  f.ViewX = x;
  f.ViewY = y;
  f.picture1.left = -x;
  f.picture1.top = -y;
  f.MapKursor.left = x;
  f.MapKursor.top = y;
}

void minimapPress(Game& g, int button, float x, float y) {
  const Control& z = g.form1().Zaslonka;
  if (z.visible && x >= z.left && x < z.right() && y >= z.top && y < z.bottom()) return;
  minimapMouseDown(g, button, x, y);
}

}  // namespace kr
