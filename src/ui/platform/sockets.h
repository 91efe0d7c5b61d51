// The network game's TCP connections. Qt Network lives in the network module
// (krepostan-network), which the program loads when the network game first listens or
// connects. The module knows nothing of the program but this class and SocketEvents.
#pragma once

#include <string>

#include "model/platform/platform.h"

namespace kr {

// The socket calls of Platform, with the same meaning.
class Sockets {
 public:
  virtual ~Sockets() = default;
  virtual void setEvents(SocketEvents* sink) = 0;
  virtual SocketId listen(int port) = 0;
  virtual SocketId connect(const std::string& host, int port) = 0;
  virtual void accept(SocketId listener, int requestId) = 0;
  virtual void close(SocketId socket) = 0;
};

// The module's one entry point: new sockets, owned by the caller.
inline constexpr char kMakeSockets[] = "krepostan_make_sockets";

}  // namespace kr
