// Notifications through the freedesktop Notifications service on the session
// bus, the service every Linux desktop runs to show them.
#include "gui/platform/desktop_notifier.h"

#include <QCoreApplication>
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
#include <utility>

#include "gui/platform/notification_server.h"

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
constexpr int kActionsArgument = 5;  // of Notify
constexpr int kCloseWaitMs = 1000;   // at the program's end

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

// Hears the notification service's signals on the session bus: the bus
// hands them to a slot of an object, which passes them on.
class NotificationSignals : public QObject {
  Q_OBJECT

 public:
  NotificationSignals(QObject* parent, std::function<void(const QDBusMessage&)> heard)
      : QObject(parent), heard_(std::move(heard)) {}

 public slots:
  void Heard(const QDBusMessage& message) { heard_(message); }

 private:
  std::function<void(const QDBusMessage&)> heard_;
};

namespace {

// Each notification is sent with an asynchronous call; the desktop's id for it
// arrives later. A notification withdrawn before its id came is closed as
// soon as the id comes.
//
// The service tells every program of every choice made in any notification
// (ActionInvoked, with just before it the activation token that came with the
// choice, ActivationToken) and of every notification it took off
// (NotificationClosed). Only ids this program was given count, and only from
// the service that gave them: a service started again in the place of the
// first counts its ids afresh, and its id 1 is not the first one's. An id is
// kept with the unique bus name of the service that gave it. A withdrawn
// notification is listened to until the service says it is closed, so a
// choice made just before the withdrawal still reaches its handler.
class DBusNotifier : public DesktopNotifier {
 public:
  // The bus is reached first, so that it is still there when this notifier
  // is destroyed, on the way out of a process ended by exit().
  DBusNotifier() {
    qDBusRegisterMetaType<NotificationImage>();
    if (SessionBusAnnounced()) QDBusConnection::sessionBus();
  }
  ~DBusNotifier() override { WithdrawAll(); }
  DBusNotifier(const DBusNotifier&) = delete;
  DBusNotifier& operator=(const DBusNotifier&) = delete;

  int Notify(const QString& summary, const QString& body, const QIcon& icon,
             NotificationActions actions) override {
    const int key = ++lastKey_;
    if (!SessionBusAnnounced()) return key;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return key;
    ListenTo(bus);
    ForgetGoneOwners();
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    call << kAppName << 0u << kIconName << summary << EscapeMarkup(body) << QStringList()
         << Hints(icon) << kNeverExpires;
    pending_.insert(key);
    auto offered = actions.offered;
    if (actions.handler) waiting_[key] = Listened{std::move(actions), QString()};
    server_.WhenKnown(bus, [this, key, call, offered]() mutable {
      QList<QVariant> arguments = call.arguments();
      arguments[kActionsArgument] = ActionList(offered, server_.ActivatesApplication());
      call.setArguments(arguments);
      auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call));
      QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                       [this, key](QDBusPendingCallWatcher* finished) {
                         Delivered(key, QDBusPendingReply<uint>(*finished));
                         finished->deleteLater();
                       });
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
    Close(shown->second, false);
    ids_.erase(shown);
  }

  void WithdrawAll() override {
    for (const auto& [key, id] : ids_) Close(id, true);
    ids_.clear();
  }

 private:
  // A notification's id, with the unique bus name of the service that gave it.
  using ShownId = std::pair<QString, uint>;

  // A notification whose actions are listened for, with the activation token
  // of the choice about to be told.
  struct Listened {
    NotificationActions actions;
    QString token;
  };

  // Where a click brings the application's window forward without a default
  // action (GNOME Shell), none is offered: offered, the click would only be
  // told to the program, without the token a Wayland window needs.
  static QStringList ActionList(const QList<std::pair<QString, QString>>& offered,
                                bool clickActivates) {
    QStringList list;
    for (const auto& [actionKey, label] : offered) {
      if (!(clickActivates && actionKey == kDefaultAction)) list << actionKey << label;
    }
    return list;
  }

  static QVariantMap Hints(const QIcon& icon) {
    QVariantMap hints;
    hints.insert("urgency", QVariant::fromValue(kUrgencyCritical));
    hints.insert("desktop-entry", kIconName);
    // Not taken off when the user clicks it: Snooze stays on offer while the
    // pop-up is open.
    hints.insert("resident", true);
    if (!icon.isNull()) {
      const QImage image =
          icon.pixmap(kImageSize, kImageSize).toImage().convertToFormat(QImage::Format_RGBA8888);
      hints.insert("image-data", QVariant::fromValue(NotificationImage{image}));
    }
    return hints;
  }

  // Once per process, while the application lives (the listener is its child).
  void ListenTo(QDBusConnection& bus) {
    if (listener_ != nullptr || QCoreApplication::instance() == nullptr) return;
    listener_ = new NotificationSignals(QCoreApplication::instance(),
                                        [this](const QDBusMessage& message) { Heard(message); });
    for (const char* name : {"ActionInvoked", "ActivationToken", "NotificationClosed"}) {
      bus.connect(kService, kPath, kInterface, name, listener_, SLOT(Heard(QDBusMessage)));
    }
  }

  void Heard(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    if (args.size() != 2) return;
    const auto listened = listened_.find(ShownId{message.service(), args[0].toUInt()});
    if (listened == listened_.end()) return;
    if (message.member() == QLatin1String("ActivationToken")) {
      listened->second.token = args[1].toString();
    } else if (message.member() == QLatin1String("ActionInvoked")) {
      const QString key = args[1].toString();
      // Taken out first, unless it was a click that leaves the other actions
      // on offer: the handler may withdraw the notification.
      Listened chosen = listened->second;
      listened->second.token.clear();
      if (key != kDefaultAction) listened_.erase(listened);
      if (chosen.actions.owner) chosen.actions.handler(key, chosen.token);
    } else if (message.member() == QLatin1String("NotificationClosed")) {
      listened_.erase(listened);
    }
  }

  void ForgetGoneOwners() {
    std::erase_if(listened_, [](const auto& entry) { return !entry.second.actions.owner; });
  }

  void Delivered(int key, const QDBusPendingReply<uint>& reply) {
    pending_.remove(key);
    const bool withdrawn = withdrawn_.remove(key);
    const auto waiting = waiting_.find(key);
    const ShownId shown{reply.reply().service(), reply.isError() ? 0 : reply.value()};
    if (waiting != waiting_.end()) {
      if (!reply.isError()) listened_[shown] = std::move(waiting->second);
      waiting_.erase(waiting);
    }
    if (reply.isError()) return;
    if (withdrawn) {
      Close(shown, false);
    } else {
      ids_[key] = shown;
    }
  }

  // Asked of the service that gave the id: where another has taken its place
  // since, the call reaches nobody. At the end the answer is waited for, so
  // that the call is not lost with the program.
  static void Close(const ShownId& shown, bool wait) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(shown.first, kPath, kInterface, "CloseNotification");
    call << shown.second;
    if (wait) {
      QDBusConnection::sessionBus().call(call, QDBus::Block, kCloseWaitMs);
    } else {
      QDBusConnection::sessionBus().send(call);
    }
  }

  int lastKey_ = 0;
  QSet<int> pending_;
  QSet<int> withdrawn_;
  std::map<int, ShownId> ids_;
  std::map<int, Listened> waiting_;       // by key, until the desktop's id comes
  std::map<ShownId, Listened> listened_;  // by the desktop's id
  QPointer<NotificationSignals> listener_;
  NotificationServer server_;
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

#include "desktop_notifier.moc"
