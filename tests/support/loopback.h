// For tests on real sockets of the loopback interface: a free port, and the Qt event loop run
// until a condition holds, for a bounded time.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <functional>

namespace kr::test {

// Runs the event loop until done() holds, for at most limit; false on running out of time.
inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  const QDeadlineTimer deadline(limit);
  QTimer wake;  // the loop never sleeps longer than this between two looks
  wake.start(10);
  for (int round = 0; round < 5000 && !done() && !deadline.hasExpired(); ++round)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();  // events already posted by what just happened
  return done();
}

// A port nobody listens on right now.
inline quint16 freePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

}  // namespace kr::test
