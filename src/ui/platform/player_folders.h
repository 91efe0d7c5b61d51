// The player's own folders, as the desktop's conventions (XDG) name them.
#pragma once

#include <QByteArray>
#include <QString>

namespace kr {

// The game's folder for the player's settings: $XDG_CONFIG_HOME/krepostan, or
// $HOME/.config/krepostan where XDG_CONFIG_HOME is not set. A relative or empty path in
// either variable names no folder (the conventions say to ignore it): then the result is
// empty and nothing is kept.
QString playerConfigFolder();
// The same from the two variables' values.
QString configFolderFrom(const QByteArray& xdgConfigHome, const QByteArray& home);

}  // namespace kr
