#pragma once

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>

// The key of the action a desktop takes for a click on the notification itself.
inline const QString kDefaultAction = QStringLiteral("default");

// What a notification offers the user besides being read: actions, each a key
// and its label, in order, and the handler that hears which one was chosen,
// with the activation token the desktop sent with the choice (empty when it
// sent none). The handler is called only while its owner lives.
struct NotificationActions {
  QList<std::pair<QString, QString>> offered;
  QPointer<QObject> owner;
  std::function<void(const QString& key, const QString& token)> handler;
};

// Desktop notifications: how Linux desktops show a message that a window
// behind the user's work could not. Showing one never waits for the desktop,
// and where no notification service runs nothing is shown and nothing fails.
class DesktopNotifier {
 public:
  virtual ~DesktopNotifier() = default;
  // Shows an urgent notification (summary and body are plain text) with its
  // actions; the result is the key that withdraws it. It stays on the desktop
  // until withdrawn ("resident"): a click on it (kDefaultAction) reaches the
  // handler each time, another action once, after which nothing more does.
  // A choice the user made just before the notification was withdrawn still
  // reaches it.
  virtual int Notify(const QString& summary, const QString& body, const QIcon& icon,
                     NotificationActions actions) = 0;
  // Takes the notification of the key off the desktop (if it is still there).
  virtual void Withdraw(int key) = 0;
  // Takes every notification still shown off the desktop before the program
  // ends (GNOME Shell keeps them after their program is gone), waiting until
  // the desktop has heard.
  virtual void WithdrawAll() = 0;
};

DesktopNotifier& GetDesktopNotifier();
void SetDesktopNotifier(DesktopNotifier* notifier);  // nullptr: back to the real one
