// The sound cues and music files the game plays, by their file names in the program's
// folder. The build synthesises every cue under these names.
#pragma once

namespace kr::cue {

inline constexpr const char* kClick = "Click.smus";  // a button, a map object, an item taken
inline constexpr const char* kOrderTaken =
    "building.smus";                                   // an order is paid and construction starts
inline constexpr const char* kRefused = "Ass.smus";    // an order the stocks cannot pay
inline constexpr const char* kPutDown = "build.smus";  // a building stands on the map
inline constexpr const char* kRadar = "locator.smus";  // a locator starts working
inline constexpr const char* kWhoosh = "Pus.smus";     // construction done; leaving a screen
inline constexpr const char* kTypewriterKey = "klac.smus";  // one letter of the briefing
inline constexpr const char* kEndOfText = "endwrite.smus";  // the briefing is typed out
inline constexpr const char* kDefault = "default.wav";      // stands in for a missing cue

// The music tracks: none ships, a player may put them beside the program.
inline constexpr const char* kMusic = "in_your_face.mp3";
inline constexpr const char* kMusicWave = "in_your_face.wav";
inline constexpr const char* kSecondTrack = "SONNE.wav";

}  // namespace kr::cue
