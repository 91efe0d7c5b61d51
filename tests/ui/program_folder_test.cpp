// The build leaves every sound cue beside the program, and the player falls back to the
// default cue for a file it cannot play.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "cue_synth.h"
#include "ui/platform/qt_platform.h"

namespace kr {
namespace {

QByteArray bytesOf(const std::vector<std::uint8_t>& v) {
  return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

TEST(ProgramFolder, HoldsEveryCueAsSynthesised) {
  for (const std::string_view name : krepostan::cues::kCueNames) {
    QFile f(QStringLiteral(KREPOSTAN_PROGRAM_DIR "/") +
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(f.readAll(), bytesOf(krepostan::cues::cueWav(name))) << name;
  }
}

TEST(ProgramFolder, UnplayableFilesFallBackToTheDefaultCue) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto write = [&dir](const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return dir.filePath(name);
  };
  const QString cue = write("Click.smus", bytesOf(krepostan::cues::cueWav("Click.smus")));
  const QString fallback = write("default.wav", bytesOf(krepostan::cues::cueWav("default.wav")));
  const QString mp3 = write("in_your_face.mp3", QByteArray("ID3\x03\x00 not a wave file", 22));
  const QString empty = write("empty.smus", QByteArray());
  struct Case {
    QString requested;
    QString defaultCue;
    QString played;
  };
  const Case cases[] = {
      {cue, fallback, cue},
      {mp3, fallback, fallback},
      {empty, fallback, fallback},
      {dir.filePath("missing.smus"), fallback, fallback},
      {dir.filePath("missing.smus"), dir.filePath("no-default.wav"), QString()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QtPlatform::playableFile(c.requested, c.defaultCue), c.played)
        << c.requested.toStdString();
}

}  // namespace
}  // namespace kr
