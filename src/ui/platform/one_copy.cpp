// One running copy: the game's name on the session bus and the Activate call between copies.
#include "ui/platform/one_copy.h"

#include <qpa/qplatformnativeinterface.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QVariantMap>
#include <QWindow>

#include <cstdint>

#include "ui/application.h"

namespace kr {

namespace {

constexpr char kInterface[] = "org.freedesktop.Application";
// How long a second start waits for the running copy to answer.
constexpr int kAnswerTimeMs = 5000;

// What a start hands to the running copy, as the application interface names it.
QVariantMap platformData() {
  QVariantMap data;
  if (const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
    data.insert(QStringLiteral("activation-token"), QString::fromUtf8(token));
  if (const QByteArray id = qgetenv("DESKTOP_STARTUP_ID"); !id.isEmpty())
    data.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(id));
  return data;
}

// On X11, the X server's time now as the game's last user time: the window manager lets a
// window come forward only for a request newer than the player's last doing elsewhere.
void takeServerTime(QWidget* window) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  QScreen* screen = window->screen();
  if (!native || !screen) return;
  const auto now = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(native->nativeResourceForScreen("gettimestamp", screen)));
  using SetTime = void (*)(QScreen*, std::uint32_t);
  for (const char* which : {"setapptime", "setappusertime"}) {
    // Qt hands its functions out under one type; void (*)() stands for any on the way.
    const auto generic =
        reinterpret_cast<void (*)()>(native->nativeResourceFunctionForIntegration(which));
    if (generic) reinterpret_cast<SetTime>(generic)(screen, now);
  }
}

}  // namespace

void bringToFront(QWidget* window, const QString& activationToken) {
  if (!window) return;
  // Qt's Wayland window takes the token for its next activation from there.
  if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
  takeServerTime(window);
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

// Answers the application interface's Activate on the bus: the window comes to the front.
class OneCopy::Answer : public QDBusVirtualObject {
 public:
  QPointer<QWidget> window;

  QString introspect(const QString&) const override {
    return QStringLiteral(
        "<interface name=\"org.freedesktop.Application\">"
        "<method name=\"Activate\"><arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/>"
        "</method></interface>");
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.interface() != QLatin1String(kInterface) ||
        message.member() != QLatin1String("Activate"))
      return false;
    const QVariantMap data =
        message.arguments().isEmpty() ? QVariantMap{} : message.arguments().front().toMap();
    qCInfo(startLog) << "another start: the game's window comes to the front";
    bringToFront(window, data.value(QStringLiteral("activation-token")).toString());
    connection.send(message.createReply());
    return true;
  }
};

OneCopy::OneCopy() {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return;
  // The object answers before the name is taken, so that no later start finds the name
  // without it.
  answer_ = std::make_unique<Answer>();
  bus.registerVirtualObject(QLatin1String(kBusPath), answer_.get(), QDBusConnection::SingleNode);
  const auto taken = bus.interface()->registerService(
      QLatin1String(kBusName), QDBusConnectionInterface::DontQueueService,
      QDBusConnectionInterface::DontAllowReplacement);
  if (taken.isValid() && taken.value() == QDBusConnectionInterface::ServiceRegistered) {
    start_ = Start::First;
    return;
  }
  bus.unregisterObject(QLatin1String(kBusPath));
  answer_.reset();
  if (!taken.isValid()) return;  // the bus would not say: play on as if alone
  QDBusMessage call =
      QDBusMessage::createMethodCall(QLatin1String(kBusName), QLatin1String(kBusPath),
                                     QLatin1String(kInterface), QStringLiteral("Activate"));
  call << platformData();
  const QDBusMessage reply = bus.call(call, QDBus::Block, kAnswerTimeMs);
  start_ = reply.type() == QDBusMessage::ReplyMessage ? Start::Raised : Start::Unraised;
}

OneCopy::~OneCopy() {
  if (!answer_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterObject(QLatin1String(kBusPath));
  bus.unregisterService(QLatin1String(kBusName));
}

void OneCopy::setWindow(QWidget* window) {
  if (answer_) answer_->window = window;
}

}  // namespace kr
