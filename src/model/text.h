// Text helpers: UTF-8 to characters and back, counting characters, trimming spaces.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kr {

// The characters of a UTF-8 text; a malformed byte counts as one character of its own.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);
// The text cut to its first n characters (not bytes).
std::string firstChars(std::string_view utf8, std::size_t n);
// The text without its leading and trailing spaces (spaces only, as the game trims).
std::string trimSpaces(std::string_view text);

}  // namespace kr
