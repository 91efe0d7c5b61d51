// The language the player chose, remembered in the player's configuration folder
// (krepostan/language, holding the language's code) for the starts that name none.
#pragma once

#include <string>
#include <string_view>

namespace kr::text {

// The language remembered in the folder, as a language code; empty when none is (or what
// the file holds is no language code).
std::string rememberedLanguage(const std::string& configFolder);
// Notes the language for the next start that names none. False when it could not be
// written (no folder of the player's, or it cannot be made or written to).
bool rememberLanguage(std::string_view code, const std::string& configFolder);

// As the game starts: speaks the language the command line asks for (`asked`, empty when it
// asks for none), else the one remembered, else Russian; a language asked for that the
// game then speaks (Russian included) is remembered. Returns what the player is to be told
// on the error output, one line, or "" when all went as asked.
std::string speakChosenLanguage(std::string_view asked, const std::string& configFolder,
                                const std::string& localeFolder);

}  // namespace kr::text
