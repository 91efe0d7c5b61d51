// The game's command line, read without Qt: nothing here may start Qt's platform, so that
// --help, --version and a wrong option answer with or without a display.
#include "ui/command_line.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace kr {

const char* const kUsage =
    "Usage: krepostan [--language CODE]\n"
    "Крепостан, a real-time base-building strategy game.\n"
    "\n"
    "  --language CODE  play in that language from now on (it is remembered for the starts\n"
    "                   that name none): ru, Russian, the game's own and the first start's,\n"
    "                   or a translation: " KREPOSTAN_TRANSLATIONS
    "\n"
    "  -h, --help       print these options and end\n"
    "  --version        print the game's version and end\n";

const char* const kVersion = "krepostan " KREPOSTAN_VERSION "\n";

namespace {

// Qt's own options (QGuiApplication's, QApplication's and the X11 platform's), which Qt
// reads from the same command line: those that take a value, and those that do not.
constexpr std::array<std::string_view, 16> kQtWithValue = {
    // QGuiApplication's
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "qmljsdebugger",
    // X11's
    "display", "name", "title", "visual", "geometry",
    // QApplication's
    "style", "stylesheet"};
constexpr std::array<std::string_view, 5> kQtAlone = {
    // QGuiApplication's and X11's
    "reverse", "nograb", "dograb", "sync",
    // QApplication's
    "widgetcount"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  CommandLine line;
  bool help = false;
  bool version = false;
  const auto wrong = [&line](std::string what) {
    if (line.wrong.empty()) line.wrong = std::move(what);
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") help = true;
    else if (a == "--version") version = true;
    else if (a == "--language" && i + 1 < argc) line.language = argv[++i];
    else if (a.rfind("--language=", 0) == 0) line.language = a.substr(sizeof "--language=" - 1);
    else if (a == "--language") wrong("--language needs a language");
    else if (a.size() > 1 && a[0] == '-') {
      // Qt takes its options with one dash or two, and a value after a space or an '='.
      std::string_view name = std::string_view(a).substr(a[1] == '-' ? 2 : 1);
      const auto equals = name.find('=');
      std::string_view value;
      if (equals != std::string_view::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
      }
      if (among(kQtAlone, name) && equals == std::string_view::npos) continue;
      if (!among(kQtWithValue, name)) {
        wrong("unknown option " + a);
        continue;
      }
      if (equals == std::string_view::npos) {
        if (i + 1 >= argc) {
          wrong(a + " needs a value");
          continue;
        }
        value = argv[++i];
      }
      // Qt reads these two only with the value after a space.
      if (name == "platform" && equals == std::string_view::npos) line.platform = value;
      if (name == "display" && equals == std::string_view::npos) line.xDisplay = true;
    } else {
      wrong("unexpected " + a);
    }
  }
  if (help) line.asks = CommandLine::Asks::Help;
  else if (version) line.asks = CommandLine::Asks::Version;
  else if (!line.wrong.empty()) line.asks = CommandLine::Asks::Wrong;
  return line;
}

std::string missingDisplay(const CommandLine& line, const char* qpaPlatform, const char* display,
                           const char* waylandDisplay) {
  const bool x = line.xDisplay || (display && *display);
  const bool wayland = waylandDisplay && *waylandDisplay;
  if (x || wayland) return {};
  // Qt's own choice when nothing is asked for is a desktop platform.
  std::string platforms = !line.platform.empty()        ? line.platform
                          : qpaPlatform && *qpaPlatform ? qpaPlatform
                                                        : "xcb";
  // A list is tried in turn: a platform in it that needs no display serves.
  for (std::size_t start = 0; start <= platforms.size();) {
    const std::size_t end = std::min(platforms.find(';', start), platforms.size());
    const std::string name = platforms.substr(start, end - start);
    const std::string bare = name.substr(0, name.find(':'));  // "offscreen:size=…"
    if (!bare.empty() && bare != "xcb" && bare.rfind("wayland", 0) != 0) return {};
    start = end + 1;
  }
  return "no display to open the game's window on: neither DISPLAY (X11) nor WAYLAND_DISPLAY "
         "(Wayland) is set";
}

std::string missingDisplay(const CommandLine& line) {
  return missingDisplay(line, std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                        std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace kr
