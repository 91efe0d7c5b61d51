// "Сохранить" and the loader Zagr: the saved game's place, its writing and reading.
#include "model/persist/save_file.h"

#include <filesystem>
#include <system_error>

#include "model/game.h"
#include "model/persist/whole_file.h"
#include "model/shell/message_box.h"
#include "model/text.h"

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

void saveClick(Game& g) {
  Platform& p = g.platform;
  const auto random = [&p] { return p.random(); };
  const int pos = drawLevelRecordPos(random);
  const SaveBytes bytes = encodeSave({g.PlayerNick, g.LevelNumber}, pos, random);
  if (!writeSave(g, bytes)) {
    // The old save stays as it was; the menu stays open.
    p.systemMessage(kSaveFailedMessage, MessageIcon::Critical);
    return;
  }

  // Back to the battlefield, whose stopped timers stay stopped.
  Form1& f = g.form1();
  f.window.enabled = true;
  f.window.activate();
  f.focus = Focus::Map;
  g.form3().window.visible = false;
  f.chat.caption =
      g.PlayerNick + " Уровень " + std::to_string(g.LevelNumber) + " сохранен успешно";
  f.chat.width = 16.0f * static_cast<float>(textLength(trimSpaces(f.chat.caption)) + 1);
  f.chat.visible = true;
  g.clock.setEnabled(f.timers.Timer7, true);
}

void zagr(Game& g) {
  // The loader belongs to the main menu window: reaching it loads it (hidden).
  g.welcome();
  const auto bytes = readFileHead(saveFilePath(g), kSaveFileSize);
  const std::optional<SavedGame> save = decodeSave(bytes);
  if (save) {
    g.PlayerNick = save->nick;
    g.LevelNumber = save->level;
  }
  if (!save || g.LevelNumber < 1 || g.LevelNumber > 3) {
    g.platform.systemMessage(kLoadFailedMessage, MessageIcon::Critical);
    return;
  }
  showMessageBox(g, "Загруженный уровень: " + std::to_string(g.LevelNumber), 1,
                 "Загружено успешно!");
  g.welcome().window.enabled = false;
  g.BriefingPending = true;
}

}  // namespace kr
