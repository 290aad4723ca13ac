#pragma once

#include <QDBusConnection>
#include <QString>
#include <functional>
#include <vector>

// What the desktop's notification service is, asked once per process without
// waiting for the answer. GNOME Shell (43) tells a program of a click on its
// notification with no activation token, with which a Wayland window cannot
// come forward; but for a notification that offers no default action it
// brings the application's most recent window forward itself, as a launcher
// would: the pop-up the notification belongs to.
class NotificationServer {
 public:
  // Runs then() once the service has answered (or failed to), at once if it
  // already has.
  void WhenKnown(QDBusConnection& bus, std::function<void()> then);
  // Whether a click on a notification without a default action brings the
  // application's window forward.
  bool ActivatesApplication() const { return m_activatesApplication; }

 private:
  void Answered(const QString& name);

  bool m_asked = false;
  bool m_known = false;
  bool m_activatesApplication = false;
  std::vector<std::function<void()>> m_waiting;
};
