// TCP connections of the network game on Qt's network classes.
#pragma once

#include <QObject>
#include <map>
#include <string>

#include "model/platform/platform.h"

class QTcpServer;
class QTcpSocket;

namespace kr {

class QtSockets : public QObject {
 public:
  QtSockets();
  ~QtSockets() override;
  void setEvents(SocketEvents* sink) { sink_ = sink; }
  SocketId listen(int port);
  SocketId connect(const std::string& host, int port);
  void accept(SocketId listener, int requestId);
  void close(SocketId socket);

 private:
  SocketEvents* sink_ = nullptr;
};

}  // namespace kr
