// The network game's sockets on QTcpServer and QTcpSocket.
#include "ui/platform/network/qt_sockets.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cerrno>

#include <sys/socket.h>
#include <sys/types.h>

namespace kr {

QtSockets::QtSockets() = default;

QtSockets::~QtSockets() {
  for (auto& [id, r] : requests_) dispose(r.socket);
  for (auto& [id, e] : sockets_) {
    dispose(e.server);
    dispose(e.socket);
  }
}

void QtSockets::dispose(QObject* o) {
  if (!o) return;
  o->disconnect();  // no event of a closed socket reaches the game
  if (auto* s = qobject_cast<QTcpSocket*>(o)) s->abort();
  if (auto* server = qobject_cast<QTcpServer*>(o)) server->close();
  o->deleteLater();
}

SocketId QtSockets::add(Entry e) {
  const SocketId id = nextId_++;
  sockets_[id] = e;
  return id;
}

SocketId QtSockets::listen(int port) {
  auto* server = new QTcpServer(this);
  server->setMaxPendingConnections(kMaxPendingRequests);
  if (!server->listen(QHostAddress::Any, static_cast<quint16>(port))) {
    delete server;
    return 0;
  }
  const SocketId id = add({server, nullptr});
  QObject::connect(server, &QTcpServer::newConnection, this, [this, id] { takeRequests(id); });
  QObject::connect(server, &QTcpServer::acceptError, this,
                   [this, id](QAbstractSocket::SocketError) { reportError(id); });
  return id;
}

void QtSockets::takeRequests(SocketId listener) {
  const auto it = sockets_.find(listener);
  if (it == sockets_.end() || !it->second.server) return;
  while (QTcpSocket* s = it->second.server->nextPendingConnection()) {
    ++connectionsTaken_;
    s->setParent(this);
    s->setReadBufferSize(kReadBufferSize);
    makeRoom(listener);
    const int request = nextRequest_++;
    requests_[request] = {listener, s};
    watch(s);
    drain(s);
    QMetaObject::invokeMethod(
        this,
        [this, listener, request] {
          const auto r = requests_.find(request);
          if (r == requests_.end()) return;
          // A peer that knocked and left at once is not offered to the game.
          if (!stillThere(r->second.socket)) {
            dispose(r->second.socket);
            requests_.erase(r);
            return;
          }
          if (sink_) sink_->connectionRequest(listener, request);
        },
        Qt::QueuedConnection);
  }
}

void QtSockets::makeRoom(SocketId listener) {
  const auto waiting = [&] {
    return std::count_if(requests_.begin(), requests_.end(),
                         [&](const auto& r) { return r.second.listener == listener; });
  };
  if (waiting() < kMaxPendingRequests) return;
  // The gone ones go first; then the one that has waited longest, so that a run of
  // connections that stay open (a port scan that holds them) never keeps the newest out.
  for (auto r = requests_.begin(); r != requests_.end();) {
    if (r->second.listener == listener && !stillThere(r->second.socket)) {
      dispose(r->second.socket);
      r = requests_.erase(r);
    } else {
      ++r;
    }
  }
  if (waiting() < kMaxPendingRequests) return;
  const auto oldest = std::find_if(requests_.begin(), requests_.end(),
                                   [&](const auto& r) { return r.second.listener == listener; });
  dispose(oldest->second.socket);
  requests_.erase(oldest);
}

SocketId QtSockets::connect(const std::string& host, int port) {
  auto* s = new QTcpSocket(this);
  s->setReadBufferSize(kReadBufferSize);
  const SocketId id = add({nullptr, s});
  watch(s);
  s->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
  return id;
}

bool QtSockets::stillThere(QTcpSocket* socket) {
  if (socket->state() != QAbstractSocket::ConnectedState) return false;
  // Qt learns of a goodbye only when it next reads: look at the connection itself. What the
  // peer has sent is thrown away anyway, so reading it here loses nothing.
  const auto fd = static_cast<int>(socket->socketDescriptor());
  char chunk[4096];
  for (int round = 0; round < 16; ++round) {
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n > 0) {
      discarded_ += n;
      continue;
    }
    if (n == 0) return false;  // the peer has said goodbye
    if (errno != EINTR) return errno == EAGAIN || errno == EWOULDBLOCK;
  }
  return true;  // a peer that sends this much is there
}

std::map<int, QtSockets::Request>::iterator QtSockets::firstStillThere(SocketId listener) {
  for (auto r = requests_.begin(); r != requests_.end();) {
    if (r->second.listener != listener) {
      ++r;
    } else if (stillThere(r->second.socket)) {
      return r;
    } else {
      dispose(r->second.socket);
      r = requests_.erase(r);
    }
  }
  return requests_.end();
}

void QtSockets::accept(SocketId listener, int requestId) {
  const auto e = sockets_.find(listener);
  if (e == sockets_.end() || !e->second.server || e->second.socket) return;
  auto r = requests_.find(requestId);
  const bool asked = r != requests_.end() && r->second.listener == listener;
  // A peer that has gone since it was offered leaves its place to the next one still there.
  if (!asked || !stillThere(r->second.socket)) r = firstStillThere(listener);
  if (r == requests_.end()) {
    reportPeerGone(listener);  // no peer any more: the game's place is free again
    return;
  }
  hold(listener, r);
}

void QtSockets::hold(SocketId listener, std::map<int, Request>::iterator request) {
  QTcpSocket* s = request->second.socket;
  requests_.erase(request);
  // The listening goes on: whoever knocks meanwhile waits behind this peer, which may yet
  // turn out to be a knock that leaves (a port scan's), and takes its place then.
  sockets_[listener].socket = s;
  QObject::connect(s, &QTcpSocket::disconnected, this, [this, listener, s] { left(listener, s); });
}

void QtSockets::left(SocketId listener, QTcpSocket* peer) {
  const auto e = sockets_.find(listener);
  if (e == sockets_.end() || e->second.socket != peer) return;
  dispose(peer);
  e->second.socket = nullptr;
  const auto next = firstStillThere(listener);
  if (next != requests_.end()) hold(listener, next);
  else reportPeerGone(listener);  // the game's place is free for the next one to knock
}

void QtSockets::close(SocketId socket) {
  const auto it = sockets_.find(socket);
  if (it == sockets_.end()) return;
  dispose(it->second.server);
  dispose(it->second.socket);
  dropRequests(socket);
  sockets_.erase(it);
}

void QtSockets::dropRequests(SocketId listener) {
  for (auto it = requests_.begin(); it != requests_.end();) {
    if (it->second.listener == listener) {
      dispose(it->second.socket);
      it = requests_.erase(it);
    } else {
      ++it;
    }
  }
}

void QtSockets::watch(QTcpSocket* socket) {
  QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { drain(socket); });
  QObject::connect(socket, &QTcpSocket::errorOccurred, this,
                   [this, socket](QAbstractSocket::SocketError error) {
                     // A peer that hangs up is no error.
                     if (error == QAbstractSocket::RemoteHostClosedError) return;
                     for (const auto& [id, e] : sockets_)
                       if (e.socket == socket) reportError(id);
                   });
}

void QtSockets::drain(QTcpSocket* socket) {
  largestBuffered_ = std::max(largestBuffered_, socket->bytesAvailable());
  char chunk[4096];
  while (socket->bytesAvailable() > 0) {
    const qint64 n = socket->read(chunk, sizeof chunk);
    if (n <= 0) break;
    discarded_ += n;
  }
}

void QtSockets::reportError(SocketId id) { report(id, &SocketEvents::socketError); }

void QtSockets::reportPeerGone(SocketId id) { report(id, &SocketEvents::peerGone); }

void QtSockets::report(SocketId id, void (SocketEvents::*event)(SocketId)) {
  QMetaObject::invokeMethod(
      this,
      [this, id, event] {
        if (sink_ && sockets_.count(id)) (sink_->*event)(id);
      },
      Qt::QueuedConnection);
}

quint16 QtSockets::listeningPort(SocketId id) const {
  const auto it = sockets_.find(id);
  return it != sockets_.end() && it->second.server ? it->second.server->serverPort() : 0;
}

quint16 QtSockets::peerPort(SocketId id) const {
  const auto it = sockets_.find(id);
  return it != sockets_.end() && it->second.server && it->second.socket
             ? it->second.socket->peerPort()
             : 0;
}

QAbstractSocket::SocketState QtSockets::state(SocketId id) const {
  const auto it = sockets_.find(id);
  return it != sockets_.end() && it->second.socket ? it->second.socket->state()
                                                   : QAbstractSocket::UnconnectedState;
}

bool QtSockets::connected(SocketId id) const {
  return state(id) == QAbstractSocket::ConnectedState;
}

bool QtSockets::connecting(SocketId id) const {
  const auto s = state(id);
  return s == QAbstractSocket::HostLookupState || s == QAbstractSocket::ConnectingState;
}

}  // namespace kr
