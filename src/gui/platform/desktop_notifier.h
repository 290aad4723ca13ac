#pragma once

#include <QIcon>
#include <QString>

// Desktop notifications: how Linux desktops show a message that a window
// behind the user's work could not. Showing one never waits for the desktop,
// and where no notification service runs nothing is shown and nothing fails.
class DesktopNotifier {
 public:
  virtual ~DesktopNotifier() = default;
  // Shows an urgent notification (summary and body are plain text); the
  // result is the key that withdraws it.
  virtual int Notify(const QString& summary, const QString& body, const QIcon& icon) = 0;
  // Takes the notification of the key off the desktop (if it is still there).
  virtual void Withdraw(int key) = 0;
};

DesktopNotifier& GetDesktopNotifier();
void SetDesktopNotifier(DesktopNotifier* notifier);  // nullptr: back to the real one
