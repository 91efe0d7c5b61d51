// The network module's entry point: the game's sockets on Qt Network.
#include <QtGlobal>

#include "ui/platform/network/qt_sockets.h"

extern "C" Q_DECL_EXPORT kr::Sockets* krepostan_make_sockets() { return new kr::QtSockets; }
