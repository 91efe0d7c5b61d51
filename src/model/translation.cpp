// The game's texts in the chosen language, from the gettext catalogue of the C library.
#include "model/translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace kr::text {

namespace {

constexpr const char* kDomain = "krepostan";
Language current = Language::Russian;

}  // namespace

Language languageNamed(const std::string& name) {
  const bool english = name.size() >= 2 && (name[0] == 'e' || name[0] == 'E') &&
                       (name[1] == 'n' || name[1] == 'N') &&
                       (name.size() == 2 || name[2] == '_' || name[2] == '-' || name[2] == '.');
  return english ? Language::English : Language::Russian;
}

bool speak(Language language, const std::string& localeFolder) {
  current = Language::Russian;
  if (language == Language::Russian) return true;
  if (!bindtextdomain(kDomain, localeFolder.c_str())) return false;
  bind_textdomain_codeset(kDomain, "UTF-8");
  // gettext takes the language from LANGUAGE, which it ignores while the messages' locale is
  // the plain "C" one; C.UTF-8 behaves the same for everything else.
  setenv("LANGUAGE", "en", 1);
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  // Only a catalogue that answers is used: else the game stays in its own language.
  constexpr const char* kProbe = "Выход";
  if (std::strcmp(dgettext(kDomain, kProbe), kProbe) == 0) return false;
  current = language;
  return true;
}

Language spoken() { return current; }

const char* translated(const char* source) {
  if (current == Language::Russian || source == nullptr || *source == '\0') return source;
  return dgettext(kDomain, source);
}

}  // namespace kr::text
