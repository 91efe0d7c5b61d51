// The sound module: the game's one channel of sound on Qt Multimedia.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>
#include <map>
#include <memory>

#include "ui/platform/sound_channel.h"

namespace kr {
namespace {

class QtSoundChannel final : public SoundChannel {
 public:
  bool audioAvailable() override {
    if (!audioChecked_) {
      audioChecked_ = true;
      audioAvailable_ = !QMediaDevices::audioOutputs().isEmpty();
    }
    return audioAvailable_;
  }

  void play(const QString& file) override {
    std::unique_ptr<QSoundEffect>& effect = effects_[file];
    if (!effect) {
      effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl::fromLocalFile(file));
    }
    stop();
    playing_ = effect.get();
    playing_->play();
  }

  void stop() override {
    if (playing_) playing_->stop();
  }

 private:
  // One loaded effect per file, and the one that plays now.
  std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
  bool audioChecked_ = false;
  bool audioAvailable_ = false;
};

}  // namespace
}  // namespace kr

extern "C" Q_DECL_EXPORT kr::SoundChannel* krepostan_make_sound_channel() {
  return new kr::QtSoundChannel;
}
