// Writes the game's sound cues into the folder given on the command line.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "cue_synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_cues OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << "make_cues: cannot create " << folder << ": " << ec.message() << '\n';
    return 1;
  }
  for (std::string_view name : kr::cue_synth::kCueNames) {
    const auto bytes = kr::cue_synth::cueWav(name);
    const auto path = folder / std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::cerr << "make_cues: cannot write " << path << '\n';
      return 1;
    }
  }
  return 0;
}
