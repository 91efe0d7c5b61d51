// The nickname between UTF-8 (the game's strings) and the Cyrillic code page Windows-1251
// (the saved game's bytes).
#pragma once

#include <string>
#include <string_view>

namespace kr {

// One byte per character; a character the code page does not hold becomes '?'.
std::string utf8ToCp1251(std::string_view utf8);
// A byte the code page leaves undefined becomes '?'. Zero bytes stay NUL characters.
std::string cp1251ToUtf8(std::string_view cp1251);

}  // namespace kr
