// The language the game speaks: Russian, its own, or a translation read from its catalogue.
#pragma once

#include <string>
#include <string_view>

namespace kr::text {

// The game's own language: its texts are written in it and need no catalogue.
inline constexpr std::string_view kOwnLanguage = "ru";

// The language code a --language value names, spelt as the catalogues' folders are: "en",
// "en_GB" (from "en_GB", "en-gb", "EN-gb", "en_GB.UTF-8", …). Empty when the value is no
// language code: only letters, 2 or 3 for the language and 2 or 3 letters or digits for the
// country, ever name a folder.
std::string languageCode(std::string_view name);

// From now on the game speaks the language of `code` (a languageCode). Russian ("ru",
// "ru_RU") speaks itself; any other language reads its catalogue,
// <localeFolder>/<code>/LC_MESSAGES/krepostan.mo, or that of the language alone (en for
// en_GB) when the country has none. A catalogue that is missing, no plain file, damaged or
// without the game's texts leaves the game speaking Russian: false, and `why` says in one
// line which file is wrong and why. Set as the program starts, before any window loads its
// texts; the texts handed out stay valid for as long as the program runs.
bool speak(std::string_view code, const std::string& localeFolder, std::string* why = nullptr);

// The code of the language the game speaks ("ru" when it speaks its own).
const std::string& spoken();
bool speaksOwnLanguage();

// A text of the game, in a context ("" or nullptr for none), in the language the game
// speaks: in Russian, the text itself.
const char* translated(const char* context, const char* source);

// One of the game's texts (texts.h): its Russian source, which is also its name in the
// translations' catalogues, read in the language the game speaks wherever it is used. Two
// texts that read the same in Russian but mean different things each have a context, which
// tells them apart in the catalogues (gettext's msgctxt).
class Text {
 public:
  explicit constexpr Text(const char* source, const char* context = nullptr)
      : source_(source), context_(context) {}
  const char* source() const { return source_; }
  const char* context() const { return context_; }
  const char* c_str() const { return translated(context_, source_); }
  operator std::string_view() const { return c_str(); }
  operator std::string() const { return c_str(); }
  friend bool operator==(const Text& t, std::string_view s) { return s == t.c_str(); }

 private:
  const char* source_;
  const char* context_;
};

// The marks xgettext finds the game's texts by (--keyword=N_ --keyword=NC_:1c,2): a text,
// and a text with its context.
constexpr Text N_(const char* source) { return Text(source); }
constexpr Text NC_(const char* context, const char* source) { return Text(source, context); }

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
