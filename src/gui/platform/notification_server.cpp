#include "gui/platform/notification_server.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <utility>

void NotificationServer::WhenKnown(QDBusConnection& bus, std::function<void()> then) {
  if (m_known) {
    then();
    return;
  }
  m_waiting.push_back(std::move(then));
  if (std::exchange(m_asked, true)) return;
  const QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("GetServerInformation"));
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [this](QDBusPendingCallWatcher* finished) {
                     const QList<QVariant> answer = finished->reply().arguments();
                     Answered(answer.isEmpty() ? QString() : answer.first().toString());
                     finished->deleteLater();
                   });
}

void NotificationServer::Answered(const QString& name) {
  m_known = true;
  m_activatesApplication = name == QLatin1String("gnome-shell");
  for (auto& then : std::exchange(m_waiting, {})) then();
}
