// Small helpers on the game's UTF-8 strings.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The number of characters (not bytes) of a UTF-8 text.
inline std::size_t textLength(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The text without its leading and trailing spaces (only spaces, as the game trims).
inline std::string trimSpaces(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

// The characters of a UTF-8 text; a malformed byte counts as one character of its own.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);
// The text cut to its first n characters (not bytes).
std::string firstChars(std::string_view utf8, std::size_t n);

// The template with values[0] in place of {1}, values[1] in place of {2}, and so on; a
// placeholder without its value, and any other brace, stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// How wide a text stands when drawn.
using TextWidth = std::function<float(const std::string&)>;
// The text broken into lines no wider than `width`: each break takes the place of spaces;
// a word wider than a whole line is broken between its letters. The spaces where a line
// breaks are dropped, spaces at the very start are kept. An empty text is one empty line.
std::vector<std::string> wrapWords(std::string_view text, float width, const TextWidth& widthOf);

}  // namespace kr
