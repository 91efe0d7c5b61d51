// How the game's window stands on the desktop, kept in a small text file:
//   windowed=1
//   size=1280x720
#include "ui/window_placement.h"

#include <QFile>
#include <QSaveFile>

#include "model/persist/player_folder.h"

namespace kr {

namespace {

QString fileIn(const QString& folder) { return folder + QStringLiteral("/window"); }

}  // namespace

WindowPlacement readWindowPlacement(const QString& folder) {
  WindowPlacement placement;
  if (folder.isEmpty()) return placement;
  QFile file(fileIn(folder));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > 4096) return placement;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line == "windowed=1") placement.windowed = true;
    if (line.startsWith("size=")) {
      const QList<QByteArray> wh = line.mid(5).split('x');
      bool okW = false;
      bool okH = false;
      const int w = wh.size() == 2 ? wh[0].toInt(&okW) : 0;
      const int h = wh.size() == 2 ? wh[1].toInt(&okH) : 0;
      if (okW && okH && w > 0 && h > 0 && w <= 16384 && h <= 16384)
        placement.size = QSize(w, h).expandedTo(kSmallestWindow);
    }
  }
  return placement;
}

bool writeWindowPlacement(const QString& folder, const WindowPlacement& placement) {
  if (folder.isEmpty() || !makePlayerFolder(folder.toStdString())) return false;
  QSaveFile file(fileIn(folder));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QByteArray text = placement.windowed ? "windowed=1\n" : "windowed=0\n";
  if (!placement.size.isEmpty())
    text += "size=" + QByteArray::number(placement.size.width()) + 'x' +
            QByteArray::number(placement.size.height()) + '\n';
  file.write(text);
  return file.commit();
}

}  // namespace kr
