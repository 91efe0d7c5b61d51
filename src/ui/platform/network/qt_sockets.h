// TCP connections of the network game on Qt's network classes. Events reach the game on
// the user-interface thread, always after the call that caused them has returned.
#pragma once

#include <QAbstractSocket>
#include <QObject>
#include <QtGlobal>
#include <map>
#include <string>

#include "model/platform/platform.h"
#include "ui/platform/sockets.h"

class QTcpServer;
class QTcpSocket;

namespace kr {

class QtSockets : public QObject, public Sockets {
 public:
  // What a socket may hold in its read buffer at once; peers' data is thrown away.
  static constexpr qint64 kReadBufferSize = 4096;
  // Connection requests held at once on a listener, waiting for the game to accept one or
  // behind the peer it accepted.
  static constexpr int kMaxPendingRequests = 4;

  QtSockets();
  ~QtSockets() override;
  void setEvents(SocketEvents* sink) override { sink_ = sink; }
  SocketId listen(int port) override;
  SocketId connect(const std::string& host, int port) override;
  void accept(SocketId listener, int requestId) override;
  void close(SocketId socket) override;

  // For tests and the curious: the local port a listener is bound to (0 if none), the
  // state of a connection, and how the thrown-away data went.
  quint16 listeningPort(SocketId id) const;
  bool connected(SocketId id) const;
  // True while a connect is still looking up its host or waiting for an answer.
  bool connecting(SocketId id) const;
  qint64 discardedBytes() const { return discarded_; }
  qint64 largestBuffered() const { return largestBuffered_; }
  // The port of the peer a listener holds (0 if none).
  quint16 peerPort(SocketId id) const;
  // Connections the listeners have taken so far (those turned away too), and those still
  // waiting, for the game to accept one or behind the peer it holds.
  int connectionsTaken() const { return connectionsTaken_; }
  int waitingRequests() const { return static_cast<int>(requests_.size()); }

 private:
  struct Entry {
    QTcpServer* server = nullptr;  // while listening
    QTcpSocket* socket = nullptr;  // once connecting, or the peer the listener holds
  };
  struct Request {
    SocketId listener = 0;
    QTcpSocket* socket = nullptr;
  };

  SocketId add(Entry e);
  QAbstractSocket::SocketState state(SocketId id) const;
  void takeRequests(SocketId listener);
  // Before one more request waits on the listener: when as many as may wait already do,
  // those gone are turned away, else the one that has waited longest.
  void makeRoom(SocketId listener);
  // The listener's peer from now on is the waiting request's.
  void hold(SocketId listener, std::map<int, Request>::iterator request);
  // The listener's peer has gone: the first request waiting behind it still there takes its
  // place; without one the game learns that the place is free.
  void left(SocketId listener, QTcpSocket* peer);
  // Whether the peer of an incoming connection is still there: connected, and no goodbye
  // waiting unread. Drops what it sent meanwhile.
  bool stillThere(QTcpSocket* socket);
  // The listener's first waiting request whose peer is still there; the gone ones before it
  // are turned away.
  std::map<int, Request>::iterator firstStillThere(SocketId listener);
  // Reads whatever a peer sent and drops it; reports the socket's errors under its id.
  void watch(QTcpSocket* socket);
  void drain(QTcpSocket* socket);
  void reportError(SocketId id);
  // Tells the game, after the current call, that the peer accepted under id has gone.
  void reportPeerGone(SocketId id);
  // Passes the event on to the game after the current call, if the socket is still open.
  void report(SocketId id, void (SocketEvents::*event)(SocketId));
  static void dispose(QObject* o);
  void dropRequests(SocketId listener);

  SocketEvents* sink_ = nullptr;
  std::map<SocketId, Entry> sockets_;
  std::map<int, Request> requests_;
  SocketId nextId_ = 1;
  int nextRequest_ = 1;
  qint64 discarded_ = 0;
  qint64 largestBuffered_ = 0;
  int connectionsTaken_ = 0;
};

}  // namespace kr
