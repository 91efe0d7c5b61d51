// The game's own message box: filling it, its flagged actions and dragging its caption.
#include "model/shell/message_box.h"

#include <algorithm>

#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/persist/save_file.h"
#include "model/shell/windows.h"
#include "model/texts.h"

namespace kr {

void showMessageBox(Game& g, const std::string& text, Answers answers, const std::string& caption) {
  MessageBox& box = g.load<MessageBox>();
  box.captionBar.caption = caption;
  box.text.caption = text;
  if (answers == Answers::kOkOnly) {
    box.noButton.caption = text::kOkAnswer;
    box.yesButton.visible = false;
  }
  box.window.show();
}

void messageBoxLoad(Game& g) {
  MessageBox& box = g.messageBox();
  box.left = (static_cast<float>(g.screenWidth) - box.width) / 2;
  box.top = (static_cast<float>(g.screenHeight) - box.height) / 2;
}

void messageBoxScreenChanged(Game& g) {
  // Centred when it opened, perhaps dragged since: it stays where it is while it lies inside
  // the screen, and comes back inside when the screen shrinks under it.
  MessageBox& box = g.messageBox();
  const float w = static_cast<float>(g.screenWidth);
  const float h = static_cast<float>(g.screenHeight);
  box.left = std::max(0.0f, std::min(box.left, w - box.width));
  box.top = std::max(0.0f, std::min(box.top, h - box.height));
}

void messageYesClick(Game& g) {
  if (!canClick(g, &MessageBox::yesButton)) return;
  if (g.loadConfirmPending) {
    g.loadConfirmPending = false;
    g.unload<Battlefield>();
    g.unload<Backdrop>();
    g.unload<GameMenu>();
    g.load<MainMenu>();  // loaded, not shown: its loading clears the three flags
    loadSavedGame(g);
    if (!g.briefingPending) {
      // The saved game could not be read (the loader has said so): the player goes on
      // from the main menu.
      MainMenu& menu = g.mainMenu();
      menu.window.enabled = true;
      menu.window.show();
      g.unload<MessageBox>();
    }
  }
  if (g.exitConfirmPending) g.end();
}

void messageNoClick(Game& g) {
  if (!canClick(g, &MessageBox::noButton)) return;
  if (g.briefingPending) {
    g.load<Briefing>().window.show();
    g.unload<MainMenu>();
    g.unload<MessageBox>();
    g.briefingPending = false;
    g.unload<Battlefield>();
  }
  if (g.loadConfirmPending) {
    g.loadConfirmPending = false;
    g.backdrop().window.show();
    g.gameMenu().window.show();
    g.unload<MessageBox>();
    g.gameMenu().window.enabled = true;
  }
  if (g.exitConfirmPending) {
    g.exitConfirmPending = false;
    g.unload<MessageBox>();
    g.gameMenu().window.enabled = true;
    g.backdrop().window.show();
    g.gameMenu().window.show();
  }
}

void messageCaptionMouseDown(Game& g) {
  if (!canClick(g, &MessageBox::captionBar)) return;
  g.messageBox().dragging = true;
}

void messageCaptionMouseMove(Game& g) {
  if (!canClick(g, &MessageBox::captionBar)) return;
  MessageBox& box = g.messageBox();
  if (!box.dragging) return;
  // The box follows only while the pointer is over the caption strip.
  const Point p = g.platform.cursorPos();
  const float x = static_cast<float>(p.x) - box.left;
  const float y = static_cast<float>(p.y) - box.top;
  const Control& cap = box.captionBar;
  if (x < cap.left || x >= cap.right() || y < cap.top || y >= cap.bottom()) return;
  box.left = static_cast<float>(p.x);
  box.top = static_cast<float>(p.y);
}

void messageCaptionMouseUp(Game& g) {
  if (!canClick(g, &MessageBox::captionBar)) return;
  g.messageBox().dragging = false;
}

}  // namespace kr
