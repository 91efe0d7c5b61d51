// "Сохранить" killed at random moments: the save on disk is always one whole save, and
// what the killed saves leave beside it does not pile up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/battlefield/keys.h"
#include "model/persist/save_file.h"
#include "model/shell/windows.h"
#include "support/game_fixture.h"
#include "support/save_folder_fixture.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

// What the k-th save of a run holds: a nickname, a level, the draws behind its bytes.
struct Round {
  std::string nick;
  std::int16_t level;
  int pos;
  float filler;
};

Round round(int k) {
  int pos = 18 + (k * 37) % 200;
  if (pos == 49 || pos == 50) pos = 51;
  return {"Игрок " + std::to_string(k % 1000), static_cast<std::int16_t>(1 + k % 3), pos,
          0.05f * static_cast<float>(1 + k % 19)};
}

std::vector<std::uint8_t> bytesOf(int k) {
  const Round r = round(k);
  const float filler = r.filler;
  const SaveBytes b = encodeSave({r.nick, r.level}, r.pos, [filler] { return filler; });
  return {b.begin(), b.end()};
}

// A message from the saving child: save k has started, or is done.
struct Note {
  int round;
  int done;
};

// The saving child: killed and waited for when the trial ends, even on a failed check.
struct Child {
  pid_t pid = -1;
  ~Child() {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
};

class SaveCrashTest : public SaveFolderTest {
 protected:
  void SetUp() override {
    SaveFolderTest::SetUp();
    if (HasFatalFailure()) return;
    // The in-game menu over the battlefield, as "Сохранить" finds it.
    startLevel(1);
    game.load<GameMenu>().window.visible = true;
  }
  // The game as "Сохранить" of round k finds it: the in-game menu open (Esc brings it back
  // after a save), the nickname and level of the round, its draws. False when the menu
  // would not open.
  bool prepare(int k) {
    const Round r = round(k);
    game.playerNick = r.nick;
    game.levelNumber = r.level;
    platform.draws = {(static_cast<float>(r.pos - 18) + 0.5f) / 200.0f};
    platform.fallbackDraw = r.filler;
    platform.messages.clear();
    if (!game.gameMenu().window.visible) battlefieldKeyDown(game, kKeyEscape);
    return game.gameMenu().window.visible;
  }
  // The child: saves rounds first, first + 1, ... until it is killed, telling the parent
  // before and after each.
  [[noreturn]] void saveForever(int first, int out) {
    for (int k = first; k < first + 100000; ++k) {
      if (!prepare(k)) ::_exit(4);
      Note note{k, 0};
      if (::write(out, &note, sizeof note) != sizeof note) ::_exit(3);
      saveClick(game);
      if (!platform.messages.empty()) ::_exit(2);
      note.done = 1;
      if (::write(out, &note, sizeof note) != sizeof note) ::_exit(3);
    }
    ::_exit(0);
  }
  std::vector<std::uint8_t> saved() const { return folder.read("save.ssav"); }
  // The names in the save's folder.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SaveCrashTest, KilledWhileSavingLeavesTheOldOrTheNewSave) {
  ASSERT_TRUE(prepare(0));
  const auto before = std::chrono::steady_clock::now();
  saveClick(game);
  // How long one save takes here: the kills are spread over that much of the next save.
  const auto oneSave = std::chrono::steady_clock::now() - before;
  ASSERT_EQ(saved(), bytesOf(0));  // the rounds' bytes are what the game writes

  std::mt19937 random(13);
  int lastSaved = 0;  // the round whose bytes are on disk
  for (int trial = 1; trial <= 40; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    // In every other trial a folder of the player's stands where the new file usually goes,
    // and the saves step around it.
    const bool blocked = trial % 2 == 1;
    if (blocked) {
      std::filesystem::create_directory(folder.file("save.ssav.new"));
      folder.write("save.ssav.new/letter.txt", {1});
    } else {
      std::filesystem::remove_all(folder.file("save.ssav.new"));
    }
    int notes[2];
    ASSERT_EQ(::pipe(notes), 0);
    const int first = trial * 1000;
    Child child{::fork()};
    ASSERT_GE(child.pid, 0);
    if (child.pid == 0) {
      ::close(notes[0]);
      saveForever(first, notes[1]);
    }
    ::close(notes[1]);

    // The kill comes after a random number of whole saves and a random bit of the next.
    int started = -1;  // the child's last round begun and last round done
    int done = -1;
    Note note{};
    const auto take = [&] { (note.done ? done : started) = note.round; };
    const int wholeSaves = std::uniform_int_distribution<int>(0, 4)(random);
    while (started < first + wholeSaves) {
      ASSERT_EQ(::read(notes[0], &note, sizeof note), static_cast<ssize_t>(sizeof note));
      take();
    }
    // Where in the save the kill lands is left to chance; the verdict below holds for any.
    const auto until = std::chrono::steady_clock::now() +
                       oneSave * std::uniform_real_distribution<double>(0.0, 1.5)(random);
    while (std::chrono::steady_clock::now() < until) {
    }
    ASSERT_EQ(::kill(child.pid, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child.pid, &status, 0), child.pid);
    child.pid = -1;
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped saving on its own: " << status;
    while (::read(notes[0], &note, sizeof note) == static_cast<ssize_t>(sizeof note)) take();
    ::close(notes[0]);

    // Byte for byte the last whole save, or the one under way when the kill came.
    const int old = done >= 0 ? done : lastSaved;
    const auto onDisk = saved();
    if (started > done && onDisk == bytesOf(started)) {
      lastSaved = started;
    } else {
      ASSERT_EQ(onDisk, bytesOf(old));
      lastSaved = old;
    }

    // The save loads, and the next one goes through, whatever the kill left beside it.
    game.briefingPending = false;
    platform.messages.clear();
    loadSavedGame(game);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(game.briefingPending);
    EXPECT_EQ(game.playerNick, round(lastSaved).nick);
    EXPECT_EQ(game.levelNumber, round(lastSaved).level);
    ASSERT_TRUE(prepare(first + 999));
    saveClick(game);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(saved(), bytesOf(first + 999));
    lastSaved = first + 999;
    // Nothing of the killed saves is left beside it.
    const std::vector<std::string> expected =
        blocked ? std::vector<std::string>{"save.ssav", "save.ssav.new"}
                : std::vector<std::string>{"save.ssav"};
    EXPECT_EQ(entries(), expected);
  }
}

}  // namespace
}  // namespace kr::test
