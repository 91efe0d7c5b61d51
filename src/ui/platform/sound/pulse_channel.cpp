// The sound module: the game's one channel of sound, a single stream to the sound server
// (PulseAudio, or PipeWire through its PulseAudio interface) opened on the first sound and
// kept open while the game runs. Each cue is decoded once. Playing one drops what the server
// still holds of the last and writes the new one whole (a long one a second at a time), so
// it sounds at once; the game's thread only takes the client library's lock to hand it over,
// and the library's own thread talks to the server. When nothing sounds the stream is
// corked: neither the game nor the server's sink is woken for it.
#include <pulse/pulseaudio.h>

#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/platform/sound/wave_cue.h"
#include "ui/platform/sound_channel.h"

namespace kr {
namespace {

Q_LOGGING_CATEGORY(soundLog, "krepostan.sound", QtWarningMsg)

using Samples = std::shared_ptr<const std::vector<std::int16_t>>;

constexpr pa_sample_spec kFormat{PA_SAMPLE_S16LE, kChannelRate, 1};
// What the server keeps queued for the stream while it plays: short, so that it mixes a new
// cue within a few milliseconds.
constexpr pa_usec_t kServerBuffer = 10'000;
// At most this much of a long sound is handed to the server ahead of its playing.
constexpr std::size_t kWrittenAhead = kChannelRate;  // one second

template <class Object, void (Object::*handler)()>
void call(void* self) {
  (static_cast<Object*>(self)->*handler)();
}

void done(pa_operation* operation) {
  if (operation) pa_operation_unref(operation);
}

class PulseChannel final : public SoundChannel {
 public:
  PulseChannel() {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) {
      goSilent(QStringLiteral("the sound server's client library could not start"));
      return;
    }
    pa_proplist* about = pa_proplist_new();
    pa_proplist_sets(about, PA_PROP_APPLICATION_NAME, "Крепостан");
    pa_proplist_sets(about, PA_PROP_APPLICATION_ICON_NAME, "krepostan");
    pa_proplist_sets(about, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, about);
    pa_proplist_free(about);
    pa_context_set_state_callback(
        context_,
        [](pa_context*, void* self) { call<PulseChannel, &PulseChannel::contextChanged>(self); },
        this);
    pa_threaded_mainloop_lock(loop_);
    // A server that is not running is not started for the game: it plays on silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
      goSilent(QStringLiteral("no sound server (%1)").arg(fault()));
    pa_threaded_mainloop_unlock(loop_);
    if (pa_threaded_mainloop_start(loop_) < 0)
      goSilent(QStringLiteral("the sound thread could not start"));
  }

  ~PulseChannel() override {
    if (!loop_) return;
    pa_threaded_mainloop_stop(loop_);
    // The game ending is no fault to tell of.
    pa_context_set_state_callback(context_, nullptr, nullptr);
    if (stream_) {
      pa_stream_set_state_callback(stream_, nullptr, nullptr);
      pa_stream_disconnect(stream_);
      pa_stream_unref(stream_);
    }
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    pa_threaded_mainloop_free(loop_);
  }

  bool play(const QString& file) override {
    Samples& cue = cues_[file];
    if (!cue) {
      std::vector<std::int16_t> samples = decodeWaveFile(QFile::encodeName(file).toStdString());
      if (samples.empty()) {
        cues_.erase(file);
        return false;
      }
      cue = std::make_shared<const std::vector<std::int16_t>>(std::move(samples));
    }
    if (!loop_) return true;
    pa_threaded_mainloop_lock(loop_);
    if (!silent_) {
      playing_ = cue;
      written_ = 0;
      ++cueNumber_;
      if (ready_) startCue();  // else the stream starts it when it is ready
    }
    pa_threaded_mainloop_unlock(loop_);
    return true;
  }

  void stop() override {
    if (!loop_) return;
    pa_threaded_mainloop_lock(loop_);
    playing_.reset();
    ++cueNumber_;
    if (ready_ && !silent_) {
      done(pa_stream_flush(stream_, nullptr, nullptr));
      cork(true);
    }
    pa_threaded_mainloop_unlock(loop_);
  }

 private:
  // Everything below runs with the loop's lock held: on the library's thread, or on the
  // game's from play() and stop().

  void contextChanged() {
    switch (pa_context_get_state(context_)) {
      case PA_CONTEXT_READY: openStream(); break;
      case PA_CONTEXT_FAILED:
      case PA_CONTEXT_TERMINATED:
        if (ready_)
          goSilent(QStringLiteral("the sound server went away (%1)").arg(fault()),
                   QStringLiteral(" until it is started again"));
        else goSilent(QStringLiteral("no sound server (%1)").arg(fault()));
        break;
      default: break;
    }
  }

  void openStream() {
    stream_ = pa_stream_new(context_, "cues", &kFormat, nullptr);
    if (!stream_) {
      goSilent(QStringLiteral("no sound stream (%1)").arg(fault()));
      return;
    }
    pa_stream_set_state_callback(
        stream_,
        [](pa_stream*, void* self) { call<PulseChannel, &PulseChannel::streamChanged>(self); },
        this);
    pa_stream_set_write_callback(
        stream_,
        [](pa_stream*, std::size_t, void* self) {
          call<PulseChannel, &PulseChannel::writeAhead>(self);
        },
        this);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kServerBuffer, &kFormat));
    buffer.prebuf = static_cast<std::uint32_t>(pa_frame_size(&kFormat));  // a cue starts at once
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0)
      goSilent(QStringLiteral("no sound stream (%1)").arg(fault()));
  }

  void streamChanged() {
    switch (pa_stream_get_state(stream_)) {
      case PA_STREAM_READY:
        ready_ = true;
        if (playing_ && !silent_) startCue();
        break;
      case PA_STREAM_FAILED:
        // The whole connection going is said by the context.
        if (pa_context_get_state(context_) == PA_CONTEXT_READY)
          goSilent(QStringLiteral("the sound server gives the game no output (%1)").arg(fault()));
        break;
      default: break;
    }
  }

  // Drops what the server holds of the last sound and hands it the new one.
  void startCue() {
    done(pa_stream_flush(stream_, nullptr, nullptr));
    writeAhead();
    cork(false);
  }

  void writeAhead() {
    if (!playing_ || silent_) return;
    const std::size_t left = playing_->size() - written_;
    const std::size_t now = std::min(left, kWrittenAhead);
    if (now == 0) return;
    pa_stream_write(stream_, playing_->data() + written_, now * sizeof(std::int16_t), nullptr, 0,
                    PA_SEEK_RELATIVE);
    written_ += now;
    if (written_ < playing_->size()) return;
    awaitPlayedOut();
  }

  // All of the sound is with the server: once it has played, the stream is corked, unless
  // another sound came in the meantime. One wait at a time: the server answers each in turn.
  void awaitPlayedOut() {
    if (awaitingFor_) return;
    awaitingFor_ = cueNumber_;
    done(pa_stream_drain(
        stream_,
        [](pa_stream*, int, void* self) { call<PulseChannel, &PulseChannel::playedOut>(self); },
        this));
  }

  void playedOut() {
    const unsigned awaited = *awaitingFor_;
    awaitingFor_.reset();
    if (silent_) return;
    if (awaited == cueNumber_) {
      playing_.reset();
      cork(true);
    } else if (playing_ && written_ == playing_->size()) {
      awaitPlayedOut();  // the sound started since has been written whole too
    }
  }

  void cork(bool corked) {
    if (corked_ == corked) return;
    corked_ = corked;
    done(pa_stream_cork(stream_, corked ? 1 : 0, nullptr, nullptr));
  }

  QString fault() const {
    return QString::fromUtf8(pa_strerror(context_ ? pa_context_errno(context_) : PA_ERR_UNKNOWN));
  }

  // From now on the channel only answers. Said once on the error output.
  void goSilent(const QString& why, const QString& until = {}) {
    if (silent_) return;
    silent_ = true;
    playing_.reset();
    qCWarning(soundLog).noquote() << why + QStringLiteral("; the game plays no sound") + until;
  }

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  std::map<QString, Samples> cues_;      // the game's thread only
  Samples playing_;                      // the sound being handed over, until it has played
  std::size_t written_ = 0;              // how much of it the server has
  unsigned cueNumber_ = 0;               // counts the sounds started and stopped
  std::optional<unsigned> awaitingFor_;  // the sound the server is to tell the end of
  bool ready_ = false;
  bool corked_ = true;
  bool silent_ = false;
};

}  // namespace
}  // namespace kr

extern "C" Q_DECL_EXPORT kr::SoundChannel* krepostan_make_sound_channel() {
  return new kr::PulseChannel;
}
