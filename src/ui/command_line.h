// What the game's command line asks for, read before Qt starts: play, print the options or
// the version, or a word not understood; and whether there is a display to play on.
#pragma once

#include <string>

namespace kr {

struct CommandLine {
  enum class Asks {
    Play,
    Help,     // --help or -h: the options are printed and the program ends
    Version,  // --version: the version is printed and the program ends
    Wrong,    // an option not understood: the options go to the error output, status 2
  };
  Asks asks = Asks::Play;
  std::string language;   // what --language names, as it was typed; empty when it names none
  std::string wrong;      // what was not understood, when it asks Wrong
  std::string platform;   // Qt's -platform option, empty when not given
  bool xDisplay = false;  // Qt's -display option (an X server) was given
};

// Reads the game's own options and lets Qt's own (-platform NAME, -style NAME, …) pass on to
// Qt. Help and version win over a word not understood wherever they stand.
CommandLine readCommandLine(int argc, char** argv);

// What --help prints, and what --version prints.
extern const char* const kUsage;
extern const char* const kVersion;

// Why the game has no display to open its window on, empty when it has one (or its platform
// needs none, as offscreen). The platform is -platform, else QT_QPA_PLATFORM (a list Qt tries
// in turn); X11 (xcb) needs DISPLAY or -display, Wayland WAYLAND_DISPLAY. Unset variables are
// nullptr.
std::string missingDisplay(const CommandLine& line, const char* qpaPlatform, const char* display,
                           const char* waylandDisplay);
// The same from this process's environment.
std::string missingDisplay(const CommandLine& line);

}  // namespace kr
