// The language the player chose: asked for on the command line, or remembered from before.
#include "model/language/chosen_language.h"

#include <cstdint>
#include <vector>

#include "model/persist/player_folder.h"
#include "model/persist/whole_file.h"
#include "model/translation.h"

namespace kr::text {

namespace {

constexpr const char* kFileName = "language";

}  // namespace

std::string rememberedLanguage(const std::string& configFolder) {
  if (configFolder.empty()) return {};
  const std::vector<std::uint8_t> bytes = readFileHead(configFolder + "/" + kFileName, 64);
  std::string_view held(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  while (!held.empty() && (held.back() == '\n' || held.back() == ' ')) held.remove_suffix(1);
  const std::string code = languageCode(held);
  return code == held ? code : std::string();
}

bool rememberLanguage(std::string_view code, const std::string& configFolder) {
  if (!makePlayerFolder(configFolder)) return false;
  std::vector<std::uint8_t> bytes(code.begin(), code.end());
  bytes.push_back('\n');
  return replaceFile(configFolder + "/" + kFileName, bytes);
}

std::string speakChosenLanguage(std::string_view asked, const std::string& configFolder,
                                const std::string& localeFolder) {
  const std::string code = asked.empty() ? rememberedLanguage(configFolder) : languageCode(asked);
  if (!asked.empty() && code.empty()) {
    speak(kOwnLanguage, localeFolder);
    return "\"" + std::string(asked) + "\" is no language code; the game speaks Russian";
  }
  std::string why;
  if (!speak(code.empty() ? std::string(kOwnLanguage) : code, localeFolder, &why))
    return why + "; the game speaks Russian";
  if (!asked.empty() && !rememberLanguage(code, configFolder))
    return "the language is not remembered for the next start: " +
           (configFolder.empty()
                ? std::string("no configuration folder (HOME is not an absolute path)")
                : "cannot write to " + configFolder);
  return {};
}

}  // namespace kr::text
