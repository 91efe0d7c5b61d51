// The game's own rules played on a stand-in platform of the walk's screen, to learn where the
// real program puts its windows and controls.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

#include "model/game.h"
#include "model/shell/briefing.h"
#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "x11/screen_checks.h"
#include "x11/x_desktop.h"

namespace kr::x11 {

// The game on a stand-in platform whose screen is the size the desktop gives the game's window.
struct StandInGame {
  test::FakePlatform platform;
  Game game{platform};

  explicit StandInGame(QSize screen = kScreen) {
    platform.usable = {screen.width(), screen.height()};
    platform.full = platform.usable;
    startUp(game);
  }
};

// The briefing's places, met on the way from the main menu to the battlefield, and what the
// screen shows there.
struct BriefingPlaces {
  QRect briefText, loadButton, startButton, quitButton, loadingBar;

  // Empty once the briefing's red text is on the screen; else what the screen shows.
  std::string whyNotTyped(Desktop& desktop) const {
    const int red = count(desktop.grab(briefText), briefingRed);
    return red > 300 ? "" : "the briefing shows " + std::to_string(red) + " red pixels";
  }
  // Empty once the loading bar is full and «Начать» stands; else what is missing.
  std::string whyNotLoaded(Desktop& desktop) const {
    // The bar's right end: the percentage stands in its middle.
    const QRect end(loadingBar.right() - 20, loadingBar.top() + 4, 16, loadingBar.height() - 8);
    const QImage bar = desktop.grab(end);
    if (count(bar, barYellow) < bar.width() * bar.height() * 3 / 4)
      return "the loading bar's end is not yellow";
    const QImage start = desktop.grab(startButton.adjusted(4, 4, -4, -4));
    return count(start, buttonFace) > start.width() * start.height() / 2 ? ""
                                                                         : "«Начать» is not there";
  }
  // Empty when «Выйти», at the bottom edge of the game's window, stands whole in it: inside
  // the window, its face drawn and its frame along its bottom row; else what is amiss.
  std::string whyNotWhole(Desktop& desktop) const {
    if (!QRect(QPoint(0, 0), desktop.gameArea().size()).contains(quitButton))
      return "«Выйти» reaches out of the game's window";
    const QImage face = desktop.grab(quitButton.adjusted(4, 4, -4, -4));
    if (count(face, buttonFace) * 2 < face.width() * face.height())
      return "«Выйти» shows no button face";
    const QImage bottom =
        desktop.grab(QRect(quitButton.left() + 4, quitButton.bottom(), quitButton.width() - 8, 1));
    return bottom.isNull() || count(bottom, buttonFace) * 2 > bottom.width()
               ? "the frame along «Выйти»'s bottom is not drawn"
               : "";
  }
};

// From the main menu through the briefing and the loading pass onto the battlefield.
inline BriefingPlaces playToBattlefield(Game& g) {
  BriefingPlaces p;
  newGameClick(g);
  p.briefText = rectOf(g.briefing().briefLabel);
  p.loadButton = rectOf(g.briefing().loadButton);
  p.quitButton = rectOf(g.briefing().quitButton);
  loadClick(g);
  runGameUntil(g, [&g] { return g.briefing().startButton.visible; });
  p.startButton = rectOf(g.briefing().startButton);
  p.loadingBar = rectOf(g.briefing().loadingBarFrame);
  startClick(g);
  return p;
}

}  // namespace kr::x11
