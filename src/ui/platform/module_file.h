// The look a module file gets before the dynamic loader maps it: a file cut short would
// kill the program when its missing pages are touched, and a pipe would stop it for good.
#pragma once

#include <QString>

namespace kr {

// Why the file at path cannot be a whole library of this machine's kind, in a few words;
// empty when it looks whole. Never waits: a pipe or a device is only looked at.
QString moduleFileProblem(const QString& path);

}  // namespace kr
