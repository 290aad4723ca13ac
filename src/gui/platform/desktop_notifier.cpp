// Notifications through the freedesktop Notifications service on the session
// bus, the service every Linux desktop runs to show them.
#include "gui/platform/desktop_notifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QVariantMap>
#include <map>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kAppName = QStringLiteral("Tockmere");
const QString kIconName = QStringLiteral("tockmere");
constexpr uchar kUrgencyCritical = 2;
constexpr int kImageSize = 64;
constexpr int kBitsPerSample = 8;
constexpr int kChannels = 4;  // red, green, blue, alpha
constexpr int kNeverExpires = 0;

// The "image-data" hint: raw RGBA pixels, so the program's icon shows also
// where no icon theme holds it.
struct NotificationImage {
  QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NotificationImage& picture) {
  const QImage& image = picture.image;
  argument.beginStructure();
  const bool hasAlpha = true;
  argument << image.width() << image.height() << static_cast<int>(image.bytesPerLine()) << hasAlpha
           << kBitsPerSample << kChannels
           << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                         static_cast<int>(image.sizeInBytes()));
  argument.endStructure();
  return argument;
}

// Only sent, never received: reading gives an empty picture.
const QDBusArgument& operator>>(const QDBusArgument& argument, NotificationImage& picture) {
  picture.image = QImage();
  return argument;
}

// Notification services that show markup in the body read "&", "<" and ">"
// as markup; the body is plain text.
QString EscapeMarkup(QString text) {
  return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}

// A desktop session names its bus in the environment or keeps it in the
// runtime folder. Without either there is none to talk to, and asking for the
// session bus would have the D-Bus library try to launch one.
bool SessionBusAnnounced() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

}  // namespace

Q_DECLARE_METATYPE(NotificationImage)

namespace {

// Each notification is sent with an asynchronous call; the desktop's id for it
// arrives later. A notification withdrawn before its id came is closed as
// soon as the id comes.
class DBusNotifier : public DesktopNotifier {
 public:
  DBusNotifier() { qDBusRegisterMetaType<NotificationImage>(); }

  int Notify(const QString& summary, const QString& body, const QIcon& icon) override {
    const int key = ++lastKey_;
    if (!SessionBusAnnounced()) return key;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return key;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    call << kAppName << 0u << kIconName << summary << EscapeMarkup(body) << QStringList()
         << Hints(icon) << kNeverExpires;
    pending_.insert(key);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [this, key](QDBusPendingCallWatcher* finished) {
                       Delivered(key, QDBusPendingReply<uint>(*finished));
                       finished->deleteLater();
                     });
    return key;
  }

  void Withdraw(int key) override {
    if (pending_.remove(key)) {
      withdrawn_.insert(key);
      return;
    }
    const auto shown = ids_.find(key);
    if (shown == ids_.end()) return;
    Close(shown->second);
    ids_.erase(shown);
  }

 private:
  static QVariantMap Hints(const QIcon& icon) {
    QVariantMap hints;
    hints.insert("urgency", QVariant::fromValue(kUrgencyCritical));
    hints.insert("desktop-entry", kIconName);
    if (!icon.isNull()) {
      const QImage image =
          icon.pixmap(kImageSize, kImageSize).toImage().convertToFormat(QImage::Format_RGBA8888);
      hints.insert("image-data", QVariant::fromValue(NotificationImage{image}));
    }
    return hints;
  }

  void Delivered(int key, const QDBusPendingReply<uint>& reply) {
    pending_.remove(key);
    const bool withdrawn = withdrawn_.remove(key);
    if (reply.isError()) return;
    if (withdrawn) {
      Close(reply.value());
    } else {
      ids_[key] = reply.value();
    }
  }

  static void Close(uint id) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, "CloseNotification");
    call << id;
    QDBusConnection::sessionBus().send(call);
  }

  int lastKey_ = 0;
  QSet<int> pending_;
  QSet<int> withdrawn_;
  std::map<int, uint> ids_;
};

DesktopNotifier* g_notifier = nullptr;

DesktopNotifier& RealNotifier() {
  static DBusNotifier notifier;
  return notifier;
}

}  // namespace

DesktopNotifier& GetDesktopNotifier() {
  return g_notifier != nullptr ? *g_notifier : RealNotifier();
}

void SetDesktopNotifier(DesktopNotifier* notifier) {
  g_notifier = notifier;
}
