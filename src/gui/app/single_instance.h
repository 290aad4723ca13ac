#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One copy of the program per alarms folder: two copies would fire every alarm
// twice and race on alarms.txt. The first copy holds a lock on a file in the
// folder; a later copy asks it to come to the front and leaves.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& lockPath);
  ~SingleInstance() override;

  bool IsFirst() const { return m_fd >= 0; }
  // From a later copy: asks the first copy to show its window. False when no
  // first copy could be reached.
  bool WakeFirst() const;

 signals:
  void wakeRequested();

 private:
  void ListenForWake();

  QString m_lockPath;
  int m_fd = -1;
  QSocketNotifier* m_notifier = nullptr;
};
