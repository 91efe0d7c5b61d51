// The language the game speaks: Russian, its own, or English through GNU gettext.
#pragma once

#include <string>

namespace kr::text {

enum class Language { Russian, English };

// The language a command line's --language value asks for: "en" (or "en_GB", "en-US", …) is
// English; "ru", anything else and nothing at all are Russian.
Language languageNamed(const std::string& name);

// From now on the game speaks the language. English reads its catalogue
// (en/LC_MESSAGES/krepostan.mo) from localeFolder; when that cannot be read the game stays
// Russian and false is returned. Set once, as the program starts, before any window loads.
bool speak(Language language, const std::string& localeFolder);

// The language the game speaks.
Language spoken();

// A text of the game in the language it speaks: in Russian, the text itself.
const char* translated(const char* source);

}  // namespace kr::text
