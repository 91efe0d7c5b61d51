// The language the game speaks: Russian, its own, or English through GNU gettext.
#pragma once

#include <string>
#include <string_view>

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

// One of the game's texts (texts.h): its Russian source, which is also its name in the
// translations' catalogues, read in the language the game speaks wherever it is used.
class Text {
 public:
  explicit constexpr Text(const char* source) : source_(source) {}
  const char* source() const { return source_; }
  const char* c_str() const { return translated(source_); }
  operator std::string_view() const { return c_str(); }
  operator std::string() const { return c_str(); }
  friend bool operator==(const Text& t, std::string_view s) { return s == t.c_str(); }

 private:
  const char* source_;
};

// A place in a table for one of the game's texts, or for none: read, it is the text in the
// language the game speaks, or "" when there is none.
class TextRef {
 public:
  constexpr TextRef() = default;
  constexpr TextRef(const Text& text) : text_(&text) {}  // NOLINT: a table's rows name texts
  const char* c_str() const { return text_ ? text_->c_str() : ""; }
  operator std::string_view() const { return c_str(); }
  operator std::string() const { return c_str(); }
  explicit operator bool() const { return text_ != nullptr; }
  friend bool operator==(const TextRef& t, std::string_view s) { return s == t.c_str(); }

 private:
  const Text* text_ = nullptr;
};

}  // namespace kr::text
