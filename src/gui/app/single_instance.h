#pragma once

#include <QObject>
#include <QString>
#include <memory>

class InstanceLock;
class QSocketNotifier;

// One copy of the program per alarms folder (see core/platform/instance_lock.h):
// the first copy holds the lock and is woken through its socket by a later
// copy, which then leaves.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // Takes the lock of the alarms folder. When no lock can be made, says so on
  // stderr; the program then runs without the guard.
  explicit SingleInstance(const QString& alarmsFolder);
  ~SingleInstance() override;

  // Another copy holds the lock of this folder.
  bool OtherCopyRuns() const;
  // From a later copy: asks the first copy to show its window. False when no
  // first copy could be reached.
  bool WakeFirst() const;

 signals:
  void wakeRequested();

 private:
  std::unique_ptr<InstanceLock> m_lock;
  QSocketNotifier* m_notifier = nullptr;
};
