// "Сохранить" and the loader of the saved game: its place, its writing and reading.
#include "model/persist/save_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "model/comm/chat.h"
#include "model/core/levels.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/persist/whole_file.h"
#include "model/shell/ingame_menu.h"
#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "model/text.h"
#include "model/texts.h"

namespace kr {

namespace {

// Whether a save file is at path: a plain file, or a link to one.
bool holdsSave(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A folder the save may go to: a whole path. The user's data folder is none when the
// player has no home (an empty or relative HOME): a relative one would put the save under
// whatever folder the game was started from.
bool isSaveFolder(const std::string& folder) { return !folder.empty() && folder[0] == '/'; }

// Writes the save into folder, creating the folder when it is missing.
bool writeSaveInto(const std::string& folder, const SaveBytes& bytes) {
  if (!isSaveFolder(folder)) return false;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return replaceFile(folder + "/" + kSaveFileName, bytes);
}

// Writes the save where saveFilePath says; when that fails beside the program (a full
// disk, say), in the user's data folder instead, taking away the old save beside the
// program so that the loader finds the new one.
bool writeSave(Game& g, const SaveBytes& bytes) {
  const std::string program = g.platform.programFolder();
  const std::string user = g.platform.userDataFolder();
  if (!isWritableFolder(program)) return writeSaveInto(user, bytes);
  if (writeSaveInto(program, bytes)) return true;
  if (!writeSaveInto(user, bytes)) return false;
  ::unlink((program + "/" + kSaveFileName).c_str());
  return true;
}

}  // namespace

std::string saveFilePath(Game& g) {
  const std::string program = g.platform.programFolder();
  const std::string folder = isWritableFolder(program) ? program : g.platform.userDataFolder();
  return isSaveFolder(folder) ? folder + "/" + kSaveFileName : std::string();
}

std::string loadFilePath(Game& g) {
  const std::string first = saveFilePath(g);
  if (holdsSave(first)) return first;
  const std::string program = g.platform.programFolder() + "/" + kSaveFileName;
  const std::string user = g.platform.userDataFolder();
  if (first == program && !isSaveFolder(user)) return first;
  const std::string other = first == program ? user + "/" + kSaveFileName : program;
  return holdsSave(other) ? other : first;
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
  g.clock.setEnabled(kChatBoxTimer, true);
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
