// The languages the game speaks: every catalogue shipped, damaged catalogues turned away,
// the language the player chose remembered, and the player's folder it is kept in.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/language/catalogue.h"
#include "model/language/chosen_language.h"
#include "model/persist/player_folder.h"
#include "model/texts.h"
#include "model/translation.h"
#include "support/temp_folder.h"

namespace kr::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string kLocale = KREPOSTAN_PROGRAM_DIR "/locale";
const std::string kCatalogueInLocale = "/LC_MESSAGES/krepostan.mo";

// The game speaks its own language again after every test.
class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { text::speak(text::kOwnLanguage, {}); }
};

// A row for every language shipped: one of its texts and what it reads there. A new
// language's catalogue is not taken without its row.
TEST_F(LanguageTest, EveryLanguageShippedSpeaksItsCatalogue) {
  struct Row {
    const char* code;
    const text::Text& text;
    const char* reads;
  };
  const Row rows[] = {
      {"en", text::kExit, "Exit"},
      // Two texts the same in Russian, each found under its own context.
      {"en", text::kLoadTerrain, "Load"},
      {"en", text::kAboutTitle, "About"},
  };
  // The build's list of the languages it ships, one po/<code>.po each: "en de …".
  std::set<std::string> shipped, withRows;
  std::istringstream languages(KREPOSTAN_LANGUAGES);
  for (std::string code; languages >> code;) shipped.insert(code);
  for (const Row& row : rows) {
    withRows.insert(row.code);
    std::string why;
    ASSERT_TRUE(text::speak(row.code, kLocale, &why)) << why;
    EXPECT_EQ(text::spoken(), row.code);
    EXPECT_STREQ(row.text.c_str(), row.reads) << row.code << ": " << row.text.source();
  }
  EXPECT_EQ(shipped, withRows) << "every language shipped has its row here";
}

// A catalogue is read only when it is a plain file, whole, with every string inside it and
// every template's places intact; else the game speaks Russian and one line says which file
// and why. A pipe with nobody behind it is never opened: the test would hang if it were.
TEST_F(LanguageTest, DamagedCataloguesLeaveTheGameRussianWithOneLineSayingWhy) {
  TempFolder folder;
  std::ifstream english(kLocale + "/en" + kCatalogueInLocale, std::ios::binary);
  const Bytes good{std::istreambuf_iterator<char>(english), std::istreambuf_iterator<char>()};
  ASSERT_GT(good.size(), 28u);
  const auto word = [](Bytes& b, std::size_t at) -> std::uint32_t {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
  };
  const auto setWord = [](Bytes& b, std::size_t at, std::uint32_t w) {
    for (int k = 0; k < 4; ++k)
      b[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(w >> (8 * k));
  };
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* why;
  };
  const auto written = [](const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  };
  Bytes half(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  Bytes lying = good;
  // The first translation's length, from the table whose offset is the header's fifth word.
  setWord(lying, word(lying, 16), 0x7FFFFFF0);
  Bytes unfilled = good;
  // Translations follow the sources in the file: the last {1} is in a translation.
  const std::string_view all(reinterpret_cast<const char*>(unfilled.data()), unfilled.size());
  unfilled[all.rfind("{1}") + 1] = '9';
  const Case cases[] = {
      {"missing", [](const std::string&) {}, "missing"},
      {"empty", [&](const std::string& p) { written(p, {}); }, "empty"},
      {"FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, "a FIFO, not a file"},
      {"folder", [](const std::string& p) { fs::create_directory(p); }, "a folder, not a file"},
      {"cut in half", [&](const std::string& p) { written(p, half); }, "cut short"},
      {"lying lengths", [&](const std::string& p) { written(p, lying); }, "lengths lie"},
      {"a template without its place", [&](const std::string& p) { written(p, unfilled); },
       "places to fill in"},
  };
  for (const Case& c : cases) {
    const std::string locale = folder.file(c.name);
    const std::string path = locale + "/en" + kCatalogueInLocale;
    fs::create_directories(fs::path(path).parent_path());
    c.make(path);
    std::string why;
    EXPECT_FALSE(text::speak("en", locale, &why)) << c.name;
    EXPECT_EQ(text::spoken(), text::kOwnLanguage) << c.name;
    EXPECT_STREQ(text::kExit.c_str(), "Выход") << c.name;
    EXPECT_NE(why.find(path), std::string::npos) << c.name << ": " << why;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.name << ": " << why;
    EXPECT_EQ(why.find('\n'), std::string::npos) << c.name << ": " << why;
  }
}

// The language asked for is remembered in the player's configuration folder and spoken at
// the next start that asks for none, until --language ru asks for Russian again; a language
// the game cannot speak is not remembered.
TEST_F(LanguageTest, TheLanguageChosenIsRememberedForTheNextStart) {
  TempFolder home;
  ::setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
  const auto start = [](const char* asked) {
    const std::string said =
        text::speakChosenLanguage(asked, playerFolder(PlayerFolderKind::Configuration), kLocale);
    return said.empty() ? text::spoken() : said;
  };
  EXPECT_EQ(start(""), "ru");  // the first start ever
  EXPECT_EQ(start("en"), "en");
  EXPECT_EQ(home.read("config/krepostan/language"), Bytes({'e', 'n', '\n'}));
  EXPECT_EQ(start(""), "en");
  EXPECT_NE(start("xx").find("the game speaks Russian"), std::string::npos);
  EXPECT_EQ(start(""), "en");
  EXPECT_EQ(start("ru"), "ru");
  EXPECT_EQ(start(""), "ru");
  ::unsetenv("XDG_CONFIG_HOME");
}

// What a --language value names, and nothing that could be a path.
TEST(LanguageCode, SpeltAsTheCataloguesFoldersAre) {
  const std::pair<const char*, const char*> cases[] = {
      {"en", "en"},      {"EN-us", "en_US"}, {"en_GB.UTF-8", "en_GB"},
      {"de@euro", "de"}, {"ru_RU", "ru_RU"}, {"e", ""},
      {"english", ""},   {"../en", ""},      {"en/../../x", ""},
      {"", ""},          {"en_", ""},
  };
  for (const auto& [name, code] : cases) EXPECT_EQ(text::languageCode(name), code) << name;
}

// Only an absolute folder is the player's: a relative or empty XDG variable is passed over,
// and a relative or empty HOME is no home.
TEST(PlayerFolder, OnlyAbsoluteFoldersAreThePlayers) {
  struct Case {
    PlayerFolderKind kind;
    const char* xdg;
    const char* home;
    const char* folder;
  };
  using enum PlayerFolderKind;
  const Case cases[] = {
      {Configuration, nullptr, "/home/p", "/home/p/.config/krepostan"},
      {Data, nullptr, "/home/p/", "/home/p/.local/share/krepostan"},
      {Configuration, "/x/conf/", "/home/p", "/x/conf/krepostan"},
      {Configuration, "conf", "/home/p", "/home/p/.config/krepostan"},
      {Data, "", "/home/p", "/home/p/.local/share/krepostan"},
      {Configuration, nullptr, "home", ""},
      {Data, "data", "", ""},
      {Configuration, nullptr, nullptr, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(playerFolder(c.kind, c.xdg, c.home), c.folder)
        << (c.xdg ? c.xdg : "(unset)") << " | " << (c.home ? c.home : "(unset)");
}

}  // namespace
}  // namespace kr::test
