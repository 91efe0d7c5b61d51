// The saved game: its bytes, the save from the in-game menu and the loader.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "model/comm/chat.h"
#include "model/core/economy.h"
#include "model/core/world.h"
#include "model/persist/save_file.h"
#include "model/shell/windows.h"
#include "model/texts.h"
#include "support/as_player.h"
#include "support/game_fixture.h"
#include "support/save_folder_fixture.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

// The draw that gives P in the save's position formula.
float drawFor(int p) { return (static_cast<float>(p - 18) + 0.5f) / 200.0f; }

auto constantFiller(float value) {
  return [value] { return value; };
}

SaveBytes bytesFor(const std::string& nick, int level, int p) {
  return encodeSave({nick, static_cast<std::int16_t>(level)}, p, constantFiller(0.25f));
}

std::vector<std::uint8_t> toVector(const SaveBytes& b) { return {b.begin(), b.end()}; }

// While it lives, no file this process writes grows past limit bytes: a write beyond that
// fails as it does on a full disk.
class DiskFullPast {
 public:
  explicit DiskFullPast(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{limit, saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~DiskFullPast() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  rlimit saved_{};
  void (*handler_)(int) = SIG_DFL;
};

class SaveFileTest : public SaveFolderTest {
 protected:
  std::vector<std::uint8_t> saved() const { return folder.read("save.ssav"); }
  bool saveExists() const { return std::filesystem::exists(folder.file("save.ssav")); }
  // The in-game menu open over the battlefield, as "Сохранить" finds it.
  Battlefield& inMenu(int level, const std::string& nick) {
    Battlefield& f = startLevel(level);
    game.playerNick = nick;
    game.clock.setEnabled(kEconomyTimer, false);
    f.window.enabled = false;
    game.load<GameMenu>().window.visible = true;
    return f;
  }
  void expectLoadFailed() {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, text::kLoadFailed);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(game.briefingPending);
  }
};

TEST(SaveLayout, Player1OnLevelOneByteForByte) {
  std::deque<float> draws{drawFor(38)};
  auto random = [&draws] {
    if (draws.empty()) return 0.123f;  // the filler: 1.23 is 0x3F9D70A4
    const float d = draws.front();
    draws.pop_front();
    return d;
  };
  const int p = drawLevelRecordPos(random);
  ASSERT_EQ(p, 38);
  const SaveBytes b = encodeSave({"Player1", 1}, p, random);

  SaveBytes expected{};
  const std::string nick = "Player1";
  std::copy(nick.begin(), nick.end(), expected.begin());
  expected[15] = 7;
  for (std::size_t i = 16; i < 500; ++i) expected[i] = 0xA4;  // low byte of each value
  expected[500] = 0x70;
  expected[501] = 0x9D;
  expected[502] = 0x3F;
  expected[37] = 0x02;  // the level record at P - 1
  expected[38] = 0x00;
  expected[39] = 121;
  expected[40] = 0x00;
  expected[50] = 38;  // P
  expected[51] = 0;
  EXPECT_EQ(b, expected);
  EXPECT_EQ(decodeSave(b), (SavedGame{"Player1", 1}));
}

TEST(SaveLayout, PositionCoversItsWholeRangeButNeverTheLevelByte) {
  for (int p = kLevelRecordPosMin; p <= kLevelRecordPosMax; ++p) {
    std::deque<float> draws{drawFor(p), drawFor(60)};
    const int got = drawLevelRecordPos([&draws] {
      const float d = draws.front();
      draws.pop_front();
      return d;
    });
    EXPECT_EQ(got, p == 49 || p == 50 ? 60 : p) << "drawn " << p;
  }
  EXPECT_EQ(drawLevelRecordPos(constantFiller(0.0f)), 18);
  EXPECT_EQ(drawLevelRecordPos(constantFiller(0.99999994f)), 217);
  // A source stuck on a bad value still gives a loadable place.
  const int stuck = drawLevelRecordPos(constantFiller(drawFor(49)));
  EXPECT_TRUE(stuck != 49 && stuck != 50);
}

TEST(SaveLayout, EveryPlaceOfTheLevelRecordLoads) {
  // 48, 51 and 52: the position field covers the record's tag or high byte, not its value.
  for (int p : {18, 47, 48, 51, 52, 53, 100, 217}) {
    for (int level : {1, 2, 3}) {
      const SaveBytes b = bytesFor("Ann", level, p);
      EXPECT_EQ(b[50], p);
      EXPECT_EQ(b[static_cast<std::size_t>(p) + 1], level + 120) << p;
      const auto back = decodeSave(b);
      ASSERT_TRUE(back) << p;
      EXPECT_EQ(back->level, level) << p;
    }
  }
}

TEST(SaveLayout, Nicknames) {
  struct Case {
    std::string nick;
    std::vector<std::uint8_t> head;  // bytes 0 to 14 as far as they are not zero
    std::string loaded;
  };
  const std::vector<Case> cases = {
      {"", {}, ""},
      {"Игрок Ёж", {0xC8, 0xE3, 0xF0, 0xEE, 0xEA, 0x20, 0xA8, 0xE6}, "Игрок Ёж"},
      {"ПятнадцатьБукв!",
       {0xCF, 0xFF, 0xF2, 0xED, 0xE0, 0xE4, 0xF6, 0xE0, 0xF2, 0xFC, 0xC1, 0xF3, 0xEA, 0xE2, 0x21},
       "ПятнадцатьБукв!"},
      // Kept to 15 characters; a character the code page lacks becomes '?'.
      {"Шестнадцать букв",
       {0xD8, 0xE5, 0xF1, 0xF2, 0xED, 0xE0, 0xE4, 0xF6, 0xE0, 0xF2, 0xFC, 0x20, 0xE1, 0xF3, 0xEA},
       "Шестнадцать бук"},
      {"日本", {'?', '?'}, "??"},
  };
  for (const Case& c : cases) {
    const SaveBytes b = bytesFor(c.nick, 2, 100);
    EXPECT_EQ(b[15], c.head.size()) << c.nick;
    for (std::size_t i = 0; i < 15; ++i)
      EXPECT_EQ(b[i], i < c.head.size() ? c.head[i] : 0) << c.nick << " byte " << i;
    EXPECT_EQ(decodeSave(b), (SavedGame{c.loaded, 2}));
  }
}

TEST(SaveLayout, FileTooShortToHoldASave) {
  const SaveBytes b = bytesFor("Player1", 1, 30);
  EXPECT_FALSE(decodeSave(std::span(b).first(502)));
  EXPECT_FALSE(decodeSave({}));
}

TEST_F(SaveFileTest, SaveReturnsToThePausedBattlefieldWithANotice) {
  Battlefield& f = inMenu(1, "Player1");
  platform.draws = {drawFor(120)};
  saveClick(game);

  ASSERT_EQ(saved().size(), kSaveFileSize);
  EXPECT_EQ(saved()[50], 120);
  EXPECT_FALSE(std::filesystem::exists(folder.file("save.ssav.new")));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(f.window.enabled);
  EXPECT_FALSE(game.gameMenu().window.visible);
  EXPECT_EQ(f.chatBox.caption, "Player1 Уровень 1 сохранен успешно");
  EXPECT_FLOAT_EQ(f.chatBox.width, 16.0f * (34 + 1));
  EXPECT_TRUE(f.chatBox.visible);
  EXPECT_TRUE(running(kChatBoxTimer));
  EXPECT_FALSE(running(kEconomyTimer));  // still paused until the menu is left with Esc
  advance(5000);
  EXPECT_FALSE(f.chatBox.visible);
}

TEST_F(SaveFileTest, SavedGameLoadsBack) {
  inMenu(2, "Вася");
  saveClick(game);
  game.unload<Battlefield>();
  game.playerNick = "Other";
  game.levelNumber = 1;

  loadSavedGame(game);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.playerNick, "Вася");
  EXPECT_EQ(game.levelNumber, 2);
  EXPECT_TRUE(game.briefingPending);
  EXPECT_FALSE(game.mainMenu().window.enabled);
  EXPECT_EQ(saved().size(), kSaveFileSize);  // loading leaves the file alone
}

TEST_F(SaveFileTest, TwoSavesDifferButLoadAlike) {
  inMenu(1, "Player1");
  platform.draws = {drawFor(30), 0.1f};
  saveClick(game);
  const auto first = saved();
  battlefieldKeyDown(game, kKeyEscape);  // the menu again
  platform.draws = {drawFor(200), 0.7f};
  saveClick(game);
  const auto second = saved();
  EXPECT_NE(first, second);
  EXPECT_EQ(decodeSave(first), decodeSave(second));
}

TEST_F(SaveFileTest, LevelByteDecidesTheLoad) {
  struct Case {
    int levelByte;
    bool loads;
  };
  for (const Case c :
       {Case{121, true}, {122, true}, {123, true}, {120, false}, {124, false}, {220, false}}) {
    auto bytes = toVector(bytesFor("Player1", 1, 60));
    bytes[61] = static_cast<std::uint8_t>(c.levelByte);
    folder.write("save.ssav", bytes);
    platform.messages.clear();
    game.briefingPending = false;
    loadSavedGame(game);
    EXPECT_EQ(game.levelNumber, c.levelByte - 120) << c.levelByte;
    EXPECT_EQ(game.playerNick, "Player1");
    EXPECT_EQ(game.briefingPending, c.loads) << c.levelByte;
    EXPECT_EQ(platform.messages.size(), c.loads ? 0u : 1u) << c.levelByte;
  }
}

TEST_F(SaveFileTest, NetworkLevelSavesButDoesNotLoad) {
  inMenu(100, "Host");
  saveClick(game);
  EXPECT_EQ(saved()[static_cast<std::size_t>(saved()[50]) + 1], 220);
  loadSavedGame(game);
  expectLoadFailed();
}

TEST_F(SaveFileTest, UnreadableFilesFailWithoutTouchingAnything) {
  struct Case {
    const char* name;
    std::optional<std::vector<std::uint8_t>> file;  // nullopt: no file
  };
  const auto whole = toVector(bytesFor("Player1", 1, 60));
  const std::vector<Case> cases = {
      {"missing", std::nullopt},
      {"empty", std::vector<std::uint8_t>{}},
      {"short", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 100)},
      {"one byte short", std::vector<std::uint8_t>(whole.begin(), whole.end() - 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(folder.file("save.ssav"));
    if (c.file) folder.write("save.ssav", *c.file);
    platform.messages.clear();
    game.playerNick = "Before";
    game.levelNumber = 2;
    loadSavedGame(game);
    expectLoadFailed();
    EXPECT_EQ(game.playerNick, "Before");
    EXPECT_EQ(game.levelNumber, 2);
    EXPECT_EQ(saveExists(), c.file.has_value());
    if (c.file) {
      EXPECT_EQ(saved(), *c.file);
    }
  }
}

TEST_F(SaveFileTest, DamagedFileIsTakenAtFaceValue) {
  auto bytes = toVector(bytesFor("Player1", 1, 60));
  bytes[15] = 10;  // longer than the nickname: its zero bytes come along
  bytes[61] = 0;   // level -120
  folder.write("save.ssav", bytes);
  loadSavedGame(game);
  expectLoadFailed();
  EXPECT_EQ(game.playerNick, std::string("Player1\0\0\0", 10));
  EXPECT_EQ(game.levelNumber, -120);
}

TEST_F(SaveFileTest, FailedWriteKeepsTheOldSave) {
  Battlefield& f = inMenu(1, "Player1");
  saveClick(game);
  const auto before = saved();
  f.chatBox.caption.clear();
  f.chatBox.visible = false;
  game.clock.setEnabled(kChatBoxTimer, false);
  f.window.enabled = false;
  game.gameMenu().window.visible = true;

  // The disk fills up while the new file is written.
  platform.draws = {drawFor(150), 0.9f};
  {
    DiskFullPast full(100);
    saveClick(game);
  }

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, text::kSaveFailed);
  EXPECT_EQ(saved(), before);
  EXPECT_FALSE(std::filesystem::exists(folder.file("save.ssav.new")));
  EXPECT_EQ(f.chatBox.caption, "");
  EXPECT_FALSE(f.chatBox.visible);
  EXPECT_FALSE(running(kChatBoxTimer));
  EXPECT_TRUE(game.gameMenu().window.visible);  // the menu stays for another try
  EXPECT_FALSE(f.window.enabled);
}

TEST_F(SaveFileTest, NowhereToWriteShowsTheMessage) {
  // The program's folder lies under a plain file: it cannot exist. The user's data folder
  // cannot either, or there is none: a player without a home (an empty or relative HOME)
  // has none, and a relative one would be taken from wherever the game was started.
  folder.write("plain", {1, 2, 3});
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  for (const std::string& user :
       {folder.file("plain") + "/user", std::string("home/krepostan"), std::string()}) {
    SCOPED_TRACE("user folder \"" + user + "\"");
    platform.messages.clear();
    platform.folder = folder.file("plain") + "/game";
    platform.userFolder = user;
    inMenu(1, "Player1");
    saveClick(game);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, text::kSaveFailed);
    EXPECT_TRUE(game.gameMenu().window.visible);
    EXPECT_FALSE(std::filesystem::exists(folder.file("home")));
    EXPECT_FALSE(std::filesystem::exists("/save.ssav"));
    game.unload<Battlefield>();
    platform.messages.clear();
    loadSavedGame(game);
    expectLoadFailed();
  }
  std::filesystem::current_path(started);
}

TEST_F(SaveFileTest, ReadOnlyProgramFolderSavesInTheUserFolder) {
  // A program folder that is no folder at all cannot be written to, whoever runs it.
  folder.write("installed", {});
  platform.folder = folder.file("installed");
  platform.userFolder = folder.path() + "/data/krepostan";
  inMenu(3, "Player1");
  saveClick(game);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(folder.read("data/krepostan/save.ssav").size(), kSaveFileSize);
  game.unload<Battlefield>();
  loadSavedGame(game);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.levelNumber, 3);
}

TEST_F(SaveFileTest, WhateverLiesUnderTheFreshFilesNameTheSaveIsAFileOfItsOwn) {
  namespace fs = std::filesystem;
  const std::vector<std::uint8_t> letter = {'d', 'e', 'a', 'r'};
  const std::string leftover = folder.file("save.ssav.new");
  struct Case {
    const char* name;
    std::function<void()> plant;
    std::vector<std::string> after;  // the folder's entries after the save
    const char* letterAt;            // where the player's letter must still be, if anywhere
  };
  const std::vector<Case> cases = {
      {"link to a file of the player's",
       [&] {
         folder.write("letter.txt", letter);
         fs::create_symlink(folder.file("letter.txt"), leftover);
       },
       {"letter.txt", "save.ssav"},
       "letter.txt"},
      {"link to nowhere",
       [&] { fs::create_symlink(folder.file("nowhere"), leftover); },
       {"save.ssav"},
       nullptr},
      {"read-only file",
       [&] {
         folder.write("save.ssav.new", {1, 2, 3});
         fs::permissions(leftover, fs::perms::owner_read | fs::perms::group_read);
       },
       {"save.ssav"},
       nullptr},
      {"empty folder", [&] { fs::create_directory(leftover); }, {"save.ssav"}, nullptr},
      {"folder with the player's things",
       [&] {
         fs::create_directory(leftover);
         folder.write("save.ssav.new/letter.txt", letter);
       },
       {"save.ssav", "save.ssav.new"},
       "save.ssav.new/letter.txt"},
  };
  Battlefield& f = inMenu(2, "Player1");
  const auto expected = toVector(encodeSave({"Player1", 2}, 120, constantFiller(0.5f)));
  const AsPlayer player;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& e : fs::directory_iterator(folder.path())) fs::remove_all(e.path());
    c.plant();
    platform.messages.clear();
    f.chatBox.visible = false;
    if (!game.gameMenu().window.visible) battlefieldKeyDown(game, kKeyEscape);  // the menu again
    ASSERT_TRUE(game.gameMenu().window.visible);
    platform.draws = {drawFor(120)};
    saveClick(game);

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(f.chatBox.visible);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.file("save.ssav"))));
    EXPECT_EQ(saved(), expected);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, c.after);
    if (c.letterAt) {
      EXPECT_EQ(folder.read(c.letterAt), letter);
    }
  }
}

TEST_F(SaveFileTest, OnlyAPlainFileIsLoadedAndTheLoadNeverWaits) {
  namespace fs = std::filesystem;
  const std::string save = folder.file("save.ssav");
  struct Case {
    const char* name;
    std::function<void()> plant;
    bool loads;
  };
  const std::vector<Case> cases = {
      {"named pipe", [&] { ASSERT_EQ(::mkfifo(save.c_str(), 0644), 0); }, false},
      {"link to a named pipe",
       [&] {
         ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0644), 0);
         fs::create_symlink(folder.file("pipe"), save);
       },
       false},
      {"link to a device", [&] { fs::create_symlink("/dev/zero", save); }, false},
      {"folder", [&] { fs::create_directory(save); }, false},
      // A link is followed: the player may keep the save elsewhere on purpose.
      {"link to a save kept elsewhere",
       [&] {
         folder.write("kept.ssav", toVector(bytesFor("Kept", 3, 60)));
         fs::create_symlink(folder.file("kept.ssav"), save);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& e : fs::directory_iterator(folder.path())) fs::remove_all(e.path());
    c.plant();
    platform.messages.clear();
    game.playerNick = "Before";
    game.levelNumber = 2;
    game.briefingPending = false;
    // A load that waited for somebody to write into the pipe would stop the game for good;
    // the alarm ends this test then instead of leaving it hanging.
    ::alarm(60);
    loadSavedGame(game);
    ::alarm(0);
    if (c.loads) {
      EXPECT_TRUE(platform.messages.empty());
      EXPECT_EQ(game.playerNick, "Kept");
      EXPECT_EQ(game.levelNumber, 3);
    } else {
      expectLoadFailed();
      EXPECT_EQ(game.playerNick, "Before");
      EXPECT_EQ(game.levelNumber, 2);
    }
  }
}

TEST_F(SaveFileTest, LoaderReadsWhatTheNextSaveWouldWriteThenTheOtherFolder) {
  namespace fs = std::filesystem;
  const std::string program = folder.file("game");
  const std::string user = folder.file("user");
  platform.folder = program;
  platform.userFolder = user;
  struct Case {
    const char* name;
    bool programWritable;
    int programLevel;  // the level saved in the folder, 0 for no save there
    int userLevel;
    int savedLevel;  // saved with "Сохранить" before the load, 0 for none
    // Folders of the player's in the program folder, under names the save would write.
    std::vector<const char*> playerFolders;
    int loaded;        // 0: the load fails
    const char* nick;  // loaded with it
  };
  const std::vector<Case> cases = {
      {"program folder", true, 1, 0, 0, {}, 1, "Game"},
      {"program folder the player cannot write", false, 1, 0, 0, {}, 1, "Game"},
      {"user folder beside a program folder he can write", true, 0, 2, 0, {}, 2, "User"},
      {"user folder", false, 0, 2, 0, {}, 2, "User"},
      {"both", true, 1, 2, 0, {}, 1, "Game"},
      {"both, the program folder read-only", false, 1, 2, 0, {}, 2, "User"},
      {"new save beside an old one in a read-only program folder", false, 1, 0, 3, {}, 3, "Saved"},
      // A save that cannot be written beside the program goes to the user folder.
      {"save failed on a folder in its place", true, 0, 0, 3, {"save.ssav"}, 3, "Saved"},
      {"save failed beside an old one",
       true,
       1,
       0,
       3,
       {"save.ssav.new", "save.ssav.part"},
       3,
       "Saved"},
      {"neither", true, 0, 0, 0, {}, 0, ""},
  };
  const AsPlayer player;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(program);
    fs::remove_all(user);
    fs::create_directories(program);
    fs::create_directories(user);
    if (c.programLevel)
      folder.write("game/save.ssav", toVector(bytesFor("Game", c.programLevel, 60)));
    if (c.userLevel) folder.write("user/save.ssav", toVector(bytesFor("User", c.userLevel, 60)));
    for (const char* name : c.playerFolders) {
      fs::create_directory(program + "/" + name);
      folder.write(std::string("game/") + name + "/letter.txt", {1});
    }
    if (!c.programWritable)
      fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
    // The saver agrees that the program folder cannot be written to.
    ASSERT_EQ(saveFilePath(game), (c.programWritable ? program : user) + "/save.ssav");
    platform.messages.clear();
    if (c.savedLevel) {
      inMenu(c.savedLevel, "Saved");
      saveClick(game);
      EXPECT_TRUE(platform.messages.empty());
      game.unload<Battlefield>();
    }
    game.briefingPending = false;
    loadSavedGame(game);
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    if (!c.loaded) {
      expectLoadFailed();
      continue;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(game.levelNumber, c.loaded);
    EXPECT_EQ(game.playerNick, c.nick);
  }
}

}  // namespace
}  // namespace kr::test
