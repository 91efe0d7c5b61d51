// The game's texts in the chosen language, from a catalogue the game reads and checks itself.
#include "model/translation.h"

#include <cctype>
#include <list>
#include <vector>

#include "model/language/catalogue.h"
#include "model/texts.h"

namespace kr::text {

namespace {

std::string current{kOwnLanguage};
// Every catalogue read stays: a text handed out points into its catalogue.
std::list<Catalogue> catalogues;
const Catalogue* speaking = nullptr;

bool isOwn(std::string_view code) {
  return code == kOwnLanguage || code.substr(0, kOwnLanguage.size() + 1) == "ru_";
}

bool allOf(std::string_view s, int (*is)(int)) {
  for (const char c : s)
    if (!is(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::string languageCode(std::string_view name) {
  // An encoding or a variant after the code names no other catalogue.
  name = name.substr(0, name.find_first_of(".@"));
  const std::size_t mark = name.find_first_of("_-");
  std::string language(name.substr(0, mark));
  std::string country(mark == std::string_view::npos ? "" : name.substr(mark + 1));
  if (language.size() < 2 || language.size() > 3 || !allOf(language, isalpha)) return {};
  if (mark != std::string_view::npos &&
      (country.size() < 2 || country.size() > 3 || !allOf(country, isalnum)))
    return {};
  for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : country) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return country.empty() ? language : language + "_" + country;
}

bool speak(std::string_view code, const std::string& localeFolder, std::string* why) {
  current = kOwnLanguage;
  speaking = nullptr;
  if (isOwn(code)) return true;
  const auto complain = [why](std::string line) {
    if (why) *why = std::move(line);
    return false;
  };
  if (code.empty() || languageCode(code) != code)
    return complain("\"" + std::string(code) + "\" is no language code");
  // The catalogue of the language and country, else of the language alone; of those that
  // stand, the first is the one read and, when it is wrong, the one named.
  std::vector<std::string> candidates{std::string(code)};
  if (const std::size_t mark = code.find('_'); mark != std::string_view::npos)
    candidates.emplace_back(code.substr(0, mark));
  std::string path, trouble;
  for (const std::string& candidate : candidates) {
    path = localeFolder + "/" + candidate + "/LC_MESSAGES/krepostan.mo";
    std::optional<Catalogue> read = Catalogue::read(path, trouble);
    if (read) {
      // A catalogue for some other program, or an old one, does not know the game's texts.
      if (!read->find("", kExit.source()))
        return complain("the catalogue " + path + " is not the game's: it has no entry for \"" +
                        kExit.source() + "\"");
      catalogues.push_back(std::move(*read));
      speaking = &catalogues.back();
      current = code;
      return true;
    }
    if (trouble != "missing") break;
  }
  return complain("the catalogue " + path + " is not used: " + trouble);
}

const std::string& spoken() { return current; }

bool speaksOwnLanguage() { return speaking == nullptr; }

const char* translated(const char* context, const char* source) {
  if (speaking == nullptr || source == nullptr || *source == '\0') return source;
  const char* found = speaking->find(context ? context : "", source);
  return found ? found : source;
}

}  // namespace kr::text
