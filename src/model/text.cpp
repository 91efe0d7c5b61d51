// Small helpers on the game's UTF-8 strings: characters to and from UTF-8.
#include "model/text.h"

namespace kr {

std::u32string toUtf32(std::string_view s) {
  std::u32string out;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    bool ok = b < 0x80 || (b >= 0xC0 && b < 0xF8 && i + extra < s.size());
    for (int k = 1; ok && k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(s[i + k]);
      ok = (cont & 0xC0) == 0x80;
      c = (c << 6) | (cont & 0x3F);
    }
    if (!ok) {
      out.push_back(b);
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string toUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string firstChars(std::string_view utf8, std::size_t n) {
  const std::u32string chars = toUtf32(utf8);
  if (chars.size() <= n) return std::string(utf8);
  return toUtf8(std::u32string_view(chars).substr(0, n));
}

std::vector<std::string> wrapWords(std::string_view text, float width, const TextWidth& widthOf) {
  std::vector<std::string> lines;
  std::string line;
  bool lineOpen = false;
  std::size_t from = 0;
  for (;;) {
    const std::size_t space = text.find(' ', from);
    const std::string word(
        text.substr(from, space == std::string_view::npos ? space : space - from));
    if (lineOpen) {
      std::string longer = line + ' ' + word;
      if (widthOf(longer) <= width) {
        line = std::move(longer);
      } else {
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
        lineOpen = false;
      }
    }
    // A word opens a line; the spaces of a break open none.
    if (!lineOpen && !(word.empty() && !lines.empty())) {
      std::u32string rest = toUtf32(word);
      while (rest.size() > 1 && widthOf(toUtf8(rest)) > width) {
        std::size_t fits = 1;
        while (fits < rest.size() && widthOf(toUtf8(rest.substr(0, fits + 1))) <= width) ++fits;
        lines.push_back(toUtf8(rest.substr(0, fits)));
        rest.erase(0, fits);
      }
      line = toUtf8(rest);
      lineOpen = true;
    }
    if (space == std::string_view::npos) break;
    from = space + 1;
  }
  if (lineOpen || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::size_t close = pattern.find('}', i);
    if (pattern[i] == '{' && close != std::string_view::npos && close > i + 1) {
      std::size_t n = 0;
      bool digits = true;
      for (std::size_t j = i + 1; j < close; ++j) {
        const char c = pattern[j];
        digits = digits && c >= '0' && c <= '9';
        n = n * 10 + static_cast<std::size_t>(c - '0');
      }
      if (digits && n >= 1 && n <= values.size()) {
        out += *(values.begin() + (n - 1));
        i = close + 1;
        continue;
      }
    }
    out += pattern[i++];
  }
  return out;
}

}  // namespace kr
