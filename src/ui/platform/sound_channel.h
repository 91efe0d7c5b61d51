// The game's one channel of sound. Qt Multimedia lives in the sound module
// (krepostan-sound), which the program loads on its first sound, so that starting the game
// maps none of the audio libraries. The module knows nothing of the program but this class.
#pragma once

#include <QString>

namespace kr {

class SoundChannel {
 public:
  virtual ~SoundChannel() = default;
  // False when the machine has no audio output; asked once, on the first sound.
  virtual bool audioAvailable() = 0;
  // Plays a waveform file. A new sound stops the one playing; the same sound starts over.
  virtual void play(const QString& file) = 0;
  virtual void stop() = 0;
};

// The module's one entry point: a new channel, owned by the caller.
inline constexpr char kMakeSoundChannel[] = "krepostan_make_sound_channel";

}  // namespace kr
