// Not yet built: the network game's sockets.
#include "ui/platform/qt_sockets.h"

namespace kr {

QtSockets::QtSockets() = default;
QtSockets::~QtSockets() = default;
SocketId QtSockets::listen(int) { return 0; }
SocketId QtSockets::connect(const std::string&, int) { return 0; }
void QtSockets::accept(SocketId, int) {}
void QtSockets::close(SocketId) {}

}  // namespace kr
