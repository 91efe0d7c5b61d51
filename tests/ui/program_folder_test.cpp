// The build leaves every sound cue beside the program, an installed copy finds them in its
// prefix's data folder, and the player falls back to the default cue for a file it cannot
// play.
#include <gtest/gtest.h>

#include <QDir>
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
  for (const std::string_view name : kr::cue_synth::kCueNames) {
    QFile f(QStringLiteral(KREPOSTAN_PROGRAM_DIR "/") +
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(f.readAll(), bytesOf(kr::cue_synth::cueWav(name))) << name;
  }
}

TEST(ProgramFolder, SoundsLieBesideTheProgramOrInTheInstalledDataFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QDir r(root.path());
  const auto folderWithCues = [&r](const QString& folder) {
    EXPECT_TRUE(r.mkpath(folder));
    QFile f(r.filePath(folder + QStringLiteral("/default.wav")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return r.filePath(folder);
  };
  const QString build = folderWithCues(QStringLiteral("build/bin"));
  const QString installed = folderWithCues(QStringLiteral("usr/share/krepostan"));
  ASSERT_TRUE(r.mkpath(QStringLiteral("usr/games")));
  ASSERT_TRUE(r.mkpath(QStringLiteral("bare/games")));
  const QString both = folderWithCues(QStringLiteral("both/games"));
  folderWithCues(QStringLiteral("both/share/krepostan"));
  struct Case {
    QString program;
    QString sounds;
  };
  const Case cases[] = {
      {build, build},                                         // the build folder
      {r.filePath(QStringLiteral("usr/games")), installed},   // an installed copy
      {both, both},                                           // cues beside the program come first
      {r.filePath(QStringLiteral("bare/games")), QString()},  // none anywhere
  };
  for (const Case& c : cases)
    EXPECT_EQ(QtPlatform::soundFolderOf(c.program), c.sounds) << c.program.toStdString();
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
  const QString cue = write("Click.smus", bytesOf(kr::cue_synth::cueWav("Click.smus")));
  const QString fallback = write("default.wav", bytesOf(kr::cue_synth::cueWav("default.wav")));
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
