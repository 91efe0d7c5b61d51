// The player's own folders, as the desktop's conventions (XDG) name them.
#include "ui/platform/player_folders.h"

#include <QDir>
#include <QtGlobal>

namespace kr {

namespace {

bool absolute(const QByteArray& path) { return path.startsWith('/'); }

}  // namespace

QString configFolderFrom(const QByteArray& xdgConfigHome, const QByteArray& home) {
  QString base;
  if (absolute(xdgConfigHome)) base = QString::fromLocal8Bit(xdgConfigHome);
  else if (absolute(home)) base = QString::fromLocal8Bit(home) + QStringLiteral("/.config");
  else return {};
  return QDir::cleanPath(base + QStringLiteral("/krepostan"));
}

QString playerConfigFolder() {
  return configFolderFrom(qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"));
}

}  // namespace kr
