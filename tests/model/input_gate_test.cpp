// The input gate: a click, a key or typing on a control the player cannot use changes nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/audio/music.h"
#include "model/battlefield/keys.h"
#include "model/battlefield/navigation.h"
#include "model/battlefield/pointer.h"
#include "model/comm/chat.h"
#include "model/comm/network.h"
#include "model/comm/notepad.h"
#include "model/comm/windows.h"
#include "model/core/economy.h"
#include "model/core/inspection.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/persist/save_file.h"
#include "model/shell/briefing.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/main_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "support/chat_steps.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

// Everything a stray click could change, read without loading any window.
std::string snapshot(Game& g, const FakePlatform& p) {
  std::ostringstream out;
  out << windowsSeen(g) << " | " << timersRunning(g) << " | sounds " << p.sounds.size()
      << " messages " << p.messages.size() << " end " << p.endCalled << g.ended << " sockets "
      << p.listens.size() << "," << p.connects.size() << " | level " << g.levelNumber << " nick "
      << g.playerNick << " dev " << g.developerMode << " joined " << g.joinedNetworkGame
      << " selected " << g.selectedSlot << g.tankSelected << g.moveOrdered << " music "
      << g.musicPath << " pending " << g.briefingPending << g.loadConfirmPending
      << g.exitConfirmPending;
  const auto raised = [&out](const char* name, const WindowState& w) {
    out << " " << name << "^" << w.raised;
  };
  if (g.loaded<Battlefield>()) {
    const Battlefield& f = g.battlefield();
    raised("battlefield", f.window);
    out << " | stocks " << f.energy << "," << f.metal << "," << f.wood << " slot "
        << f.lastOrderedSlot << " kind " << static_cast<int>(f.buildKind) << " hand "
        << f.itemInHand << f.placementPending << " page " << f.palettePage << f.secondPage.visible
        << f.tankOrderPanel.visible << " arrows " << f.previousPageArrow.border
        << f.nextPageArrow.border << " ready " << f.readyIcon.visible << " health "
        << f.healthBar.visible << " switch " << f.powerSwitch.visible << f.powerSwitch.caption
        << static_cast<int>(f.powered[static_cast<std::size_t>(g.selectedSlot)]) << " view "
        << f.viewX << "," << f.viewY << " rect " << f.selectionRect.visible << " chat '"
        << f.chatBox.caption << "' " << f.chatBox.visible << " line '" << f.chatLine.caption << "' "
        << f.chatLine.visible << " focus " << static_cast<int>(f.focus);
  }
  if (g.loaded<Briefing>()) {
    const Briefing& w = g.briefing();
    raised("briefing", w.window);
    out << " | load " << w.loadButton.visible << w.loadingBar.visible << " start "
        << w.startButton.visible << " nick '" << w.nickBox.caption << "'";
  }
  if (g.loaded<MainMenu>()) raised("menu", g.mainMenu().window);
  if (g.loaded<AboutBox>()) raised("about", g.about().window);
  if (g.loaded<Backdrop>()) raised("backdrop", g.backdrop().window);
  if (g.loaded<GameMenu>()) {
    const GameMenu& m = g.gameMenu();
    raised("gameMenu", m.window);
    out << " | " << m.musicButton.caption << " / " << m.trackButton.caption;
  }
  if (g.loaded<MessageBox>()) {
    raised("box", g.messageBox().window);
    out << " | drag " << g.messageBox().dragging;
  }
  if (g.loaded<Notepad>()) {
    raised("notepad", g.notepad().window);
    out << " | lines " << g.notepad().lines.size() << " at " << g.notepad().selectedLine;
  }
  if (g.loaded<NetworkDialog>()) out << " | address " << g.networkDialog().addressBox.caption;
  return out.str();
}

// A mission's battlefield shown and running, as the briefing's "Начать" leaves it.
void mission(Game& g, int level) {
  g.levelNumber = static_cast<std::int16_t>(level);
  g.load<MainMenu>();
  g.unload<MainMenu>();
  Battlefield& f = g.load<Battlefield>();
  g.clock.setEnabled(kEconomyTimer, true);
  f.window.show();
}

void paused(Game& g) {
  mission(g, 1);
  pauseWithMenu(g);
}

struct Case {
  const char* what;
  void (*setUp)(Game&);
  void (*click)(Game&);
};

const Case kCases[] = {
    // The battlefield's palette.
    {"the locator's button, hidden on mission 1", [](Game& g) { mission(g, 1); },
     [](Game& g) { orderItem(g, Building::kLocator); }},
    {"a palette button, disabled while an order is built",
     [](Game& g) {
       mission(g, 2);
       orderItem(g, Building::kAccumulator);
       g.clock.advanceBy(100);
     },
     [](Game& g) { orderItem(g, Building::kWoodWorks); }},
    {"the converter's button on the hidden second page", [](Game& g) { mission(g, 2); },
     [](Game& g) { orderItem(g, Building::kConverter); }},
    {"the tank's button in the hidden tank order panel", [](Game& g) { mission(g, 2); },
     [](Game& g) { orderItem(g, Building::kTank); }},
    {"the next page arrow, hidden on mission 2", [](Game& g) { mission(g, 2); },
     [](Game& g) { nextPageClick(g); }},
    {"the previous page arrow, hidden on mission 2", [](Game& g) { mission(g, 2); },
     [](Game& g) { previousPageClick(g); }},
    {"the ready icon before anything is built", [](Game& g) { mission(g, 1); },
     [](Game& g) { takeItem(g); }},
    {"the power switch with nothing inspected", [](Game& g) { mission(g, 1); },
     [](Game& g) { powerSwitchClick(g); }},
    // The map, the minimap and the chat line.
    {"an object that is not on the map", [](Game& g) { mission(g, 1); },
     [](Game& g) { objectClick(g, 5); }},
    {"typing into the hidden chat line", [](Game& g) { mission(g, 1); },
     [](Game& g) { chatLineChange(g, "jyv"); }},
    // Behind the in-game menu the battlefield is disabled.
    {"a palette button behind the menu", paused,
     [](Game& g) { orderItem(g, Building::kAccumulator); }},
    {"the map behind the menu, pressed", paused, [](Game& g) { mapMouseDown(g, 1, 500, 500); }},
    {"the map behind the menu, clicked",
     [](Game& g) {
       mission(g, 1);
       objectClick(g, 0);  // its health bar shows
       pauseWithMenu(g);
     },
     [](Game& g) { groundClick(g); }},
    {"the headquarters behind the menu", paused, [](Game& g) { objectClick(g, 0); }},
    {"the open minimap behind the menu",
     [](Game& g) {
       paused(g);
       g.battlefield().curtain.visible = false;
     },
     [](Game& g) { minimapPress(g, 2, 2000, 2000); }},
    {"a double click on the chat line behind the menu",
     [](Game& g) {
       mission(g, 1);
       battlefieldKeyDown(g, kKeyEnter);
       chatLineChange(g, "привет");
       pauseWithMenu(g);
     },
     [](Game& g) { chatLineDoubleClick(g); }},
    // While the briefing shows, the battlefield is loaded but hidden.
    {"a palette button under the briefing", toBriefing,
     [](Game& g) { orderItem(g, Building::kAccumulator); }},
    {"the I key under the briefing", toBriefing, [](Game& g) { battlefieldKeyDown(g, kKeyI); }},
    // The briefing.
    {"\"Начать\" before the map is painted", toBriefing, [](Game& g) { startClick(g); }},
    {"the nickname box before the map is painted", toBriefing,
     [](Game& g) { nickChange(g, "Вася"); }},
    {"\"Выйти\" with no briefing", startProgram, [](Game& g) { quitClick(g); }},
    {"\"Загрузить\" with no briefing", startProgram, [](Game& g) { loadClick(g); }},
    // The main menu and the about box.
    {"\"Выход\" of the main menu during a mission", [](Game& g) { mission(g, 1); },
     [](Game& g) { exitClick(g); }},
    {"\"Начать сетевую игру\" during a mission", [](Game& g) { mission(g, 1); },
     [](Game& g) { networkGameClick(g); }},
    {"the main menu behind the loaded game's message",
     [](Game& g) {
       startProgram(g);
       loadGameClick(g);
     },
     [](Game& g) { newGameClick(g); }},
    {"\"About\" behind the loaded game's message",
     [](Game& g) {
       startProgram(g);
       loadGameClick(g);
     },
     [](Game& g) { aboutClick(g); }},
    {"\"OK\" of an about box that is not open", startProgram, [](Game& g) { aboutOkClick(g); }},
    // The in-game menu.
    {"\"Уровень заново\" after the game resumed",
     [](Game& g) {
       paused(g);
       menuKeyDown(g, kKeyEscape);
     },
     [](Game& g) { restartClick(g); }},
    {"\"Сохранить\" after the game resumed",
     [](Game& g) {
       paused(g);
       menuKeyDown(g, kKeyEscape);
     },
     [](Game& g) { saveClick(g); }},
    {"\"Загрузить\" of the menu after the game resumed",
     [](Game& g) {
       paused(g);
       menuKeyDown(g, kKeyEscape);
     },
     [](Game& g) { menuLoadClick(g); }},
    {"\"Блокнот\" after the game resumed",
     [](Game& g) {
       paused(g);
       menuKeyDown(g, kKeyEscape);
     },
     [](Game& g) { notepadClick(g); }},
    {"\"Выход\" of the menu after the game resumed",
     [](Game& g) {
       paused(g);
       menuKeyDown(g, kKeyEscape);
     },
     [](Game& g) { menuExitClick(g); }},
    {"\"Уровень заново\" behind the quit question",
     [](Game& g) {
       paused(g);
       menuExitClick(g);
     },
     [](Game& g) { restartClick(g); }},
    {"Esc of the menu behind the quit question",
     [](Game& g) {
       paused(g);
       menuExitClick(g);
     },
     [](Game& g) { menuKeyDown(g, kKeyEscape); }},
    {"Esc of a menu that never opened", [](Game& g) { mission(g, 2); },
     [](Game& g) { menuKeyDown(g, kKeyEscape); }},
    {"the music switch, hidden as the menu is stored", paused,
     [](Game& g) { musicSwitchClick(g); }},
    {"the track switch, hidden as the menu is stored", paused,
     [](Game& g) { trackSwitchClick(g); }},
    // The message box.
    {"the caption strip with no message box", paused, [](Game& g) { messageCaptionMouseDown(g); }},
    // The notepad, loaded by the mission's chat line but not open.
    {"\"Вернуться в меню\" of the closed notepad",
     [](Game& g) {
       mission(g, 1);
       sayInChat(g, "первая");
       pauseWithMenu(g);
     },
     [](Game& g) { notepadBackClick(g); }},
    {"a line of the closed notepad",
     [](Game& g) {
       mission(g, 1);
       sayInChat(g, "первая");
       pauseWithMenu(g);
     },
     [](Game& g) { notepadDoubleClick(g, 0); }},
    {"Esc of the closed notepad",
     [](Game& g) {
       mission(g, 1);
       sayInChat(g, "первая");
       pauseWithMenu(g);
     },
     [](Game& g) { notepadKeyDown(g, kKeyEscape); }},
    // The network dialog.
    {"\"Засервить\" with no network dialog", startProgram, [](Game& g) { hostClick(g); }},
    {"\"Присоединиться\" with no network dialog", startProgram, [](Game& g) { joinClick(g); }},
    {"the address box with no network dialog", startProgram,
     [](Game& g) { addressChange(g, "10.0.0.1"); }},
};

TEST(InputGate, AClickOnAControlThePlayerCannotUseChangesNothing) {
  // A saved game for the cases that load one.
  TempFolder folder;
  ASSERT_FALSE(folder.path().empty());
  const SaveBytes save = encodeSave({"Player1", 1}, 60, [] { return 0.25f; });
  folder.write(kSaveFileName, {save.begin(), save.end()});

  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    FakePlatform platform;
    platform.folder = folder.path();
    Game game(platform);
    c.setUp(game);
    const std::string before = snapshot(game, platform);
    c.click(game);
    EXPECT_EQ(snapshot(game, platform), before);
  }
}

}  // namespace
}  // namespace kr::test
