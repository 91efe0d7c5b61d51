// The nickname between UTF-8 and Windows-1251, through the C library's iconv.
#include "model/persist/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace kr {

namespace {

// Bytes of the UTF-8 sequence that starts with lead (at least 1).
std::size_t utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Converts in from one encoding to another; a character that cannot be converted becomes
// '?' and the input goes on after it (skip gives its length in input bytes).
template <class Skip>
std::string convert(const char* to, const char* from, std::string_view in, Skip skip) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No converter on this system: plain ASCII passes, everything else is unknown.
    for (std::size_t i = 0; i < in.size(); i += skip(in.substr(i)))
      out += static_cast<unsigned char>(in[i]) < 0x80 ? in[i] : '?';
    return out;
  }
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char buffer[64];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ or EINVAL: an unknown or broken character.
    out += '?';
    std::size_t n = skip(std::string_view(inPtr, inLeft));
    if (n > inLeft) n = inLeft;
    inPtr += n;
    inLeft -= n;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string utf8ToCp1251(std::string_view utf8) {
  return convert("WINDOWS-1251", "UTF-8", utf8, [](std::string_view rest) {
    return utf8SequenceLength(static_cast<unsigned char>(rest.front()));
  });
}

std::string cp1251ToUtf8(std::string_view cp1251) {
  return convert("UTF-8", "WINDOWS-1251", cp1251, [](std::string_view) { return std::size_t{1}; });
}

}  // namespace kr
