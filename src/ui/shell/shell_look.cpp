// Placing the shell's windows on the game's screen, and keeping the ones over the game above.
#include "ui/shell/shell_look.h"

#include <QWindow>

#include "model/game.h"

namespace kr {

QRect centredOnScreen(const Game& g, int width, int height) {
  return QRect((g.screenWidth - width) / 2, (g.screenHeight - height) / 2, width, height);
}

void keepAboveWhileActive(const std::vector<QWidget*>& bottomToTop, bool active) {
  for (QWidget* w : bottomToTop) {
    if (!w || !w->property(kKeptOverGame).toBool()) continue;
    const Qt::WindowFlags flags = active ? w->windowFlags() | Qt::WindowStaysOnTopHint
                                         : w->windowFlags() & ~Qt::WindowStaysOnTopHint;
    if (flags == w->windowFlags()) continue;
    // QWidget::setWindowFlags would hide a shown window: the widget only notes the new
    // hint and its window on the screen takes it as it stands.
    w->overrideWindowFlags(flags);
    if (QWindow* window = w->windowHandle()) window->setFlags(flags);
  }
}

}  // namespace kr
