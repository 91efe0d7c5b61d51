// "Сохранить" and the loader of the saved game: its place, its writing and reading.
#include "model/persist/save_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "model/comm/chat.h"
#include "model/core/levels.h"
#include "model/game.h"
#include "model/input.h"
#include "model/persist/whole_file.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "model/text.h"
#include "model/texts.h"

namespace kr {

namespace {

// Writes the save, creating the user's data folder when the save goes there.
bool writeSave(Game& g, const SaveBytes& bytes) {
  const std::string path = saveFilePath(g);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  return replaceFile(path, bytes);
}

}  // namespace

std::string saveFilePath(Game& g) {
  const std::string program = g.platform.programFolder();
  const std::string folder = isWritableFolder(program) ? program : g.platform.userDataFolder();
  return folder + "/" + kSaveFileName;
}

std::string loadFilePath(Game& g) {
  const std::string program = g.platform.programFolder() + "/" + kSaveFileName;
  struct stat st {};
  if (::lstat(program.c_str(), &st) == 0) return program;
  return g.platform.userDataFolder() + "/" + kSaveFileName;
}

void saveClick(Game& g) {
  if (!canClick(g, &GameMenu::saveButton)) return;
  Platform& p = g.platform;
  const auto random = [&p] { return p.random(); };
  const int pos = drawLevelRecordPos(random);
  const SaveBytes bytes = encodeSave({g.playerNick, g.levelNumber}, pos, random);
  if (!writeSave(g, bytes)) {
    // The old save stays as it was; the menu stays open.
    p.systemMessage(text::kSaveFailed, MessageIcon::Critical);
    return;
  }

  // Back to the battlefield, whose stopped timers stay stopped.
  backToBattlefield(g);
  Battlefield& f = g.battlefield();
  f.focus = Focus::Map;
  g.gameMenu().window.visible = false;
  f.chatBox.caption = fillIn(text::kLevelSaved, {g.playerNick, std::to_string(g.levelNumber)});
  f.chatBox.width = 16.0f * static_cast<float>(textLength(trimSpaces(f.chatBox.caption)) + 1);
  fitChatBoxToText(g);
  f.chatBox.visible = true;
  g.clock.setEnabled(f.timers.chatBox, true);
}

void loadSavedGame(Game& g) {
  // The loader belongs to the main menu window: reaching it loads it (hidden).
  g.load<MainMenu>();
  const auto bytes = readFileHead(loadFilePath(g), kSaveFileSize);
  const std::optional<SavedGame> save = decodeSave(bytes);
  if (save) {
    g.playerNick = save->nick;
    g.levelNumber = save->level;
  }
  if (!save || !levelRules(g.levelNumber).loadable) {
    g.platform.systemMessage(text::kLoadFailed, MessageIcon::Critical);
    return;
  }
  showMessageBox(g, fillIn(text::kLoadedLevel, {std::to_string(g.levelNumber)}), Answers::kOkOnly,
                 text::kLoadedSuccessfully);
  g.mainMenu().window.enabled = false;
  g.briefingPending = true;
}

}  // namespace kr
