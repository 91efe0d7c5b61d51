// The game's one channel of sound. The sound server's client library lives in the sound
// module (krepostan-sound), which the program loads on its first sound, so that starting the
// game maps none of the audio libraries. The module knows nothing of the program but this
// class.
#pragma once

#include <QString>

namespace kr {

class SoundChannel {
 public:
  virtual ~SoundChannel() = default;
  // Plays a waveform file at once and returns at once: a new sound cuts off the one playing,
  // the same sound starts over. False when the file is no wave the channel can decode. With
  // no sound server, or after it went away, the channel is silent (and has said so once on
  // the error output) but still answers.
  virtual bool play(const QString& file) = 0;
  // Cuts off the sound playing.
  virtual void stop() = 0;
};

// The module's one entry point: a new channel, owned by the caller.
inline constexpr char kMakeSoundChannel[] = "krepostan_make_sound_channel";

}  // namespace kr
