#pragma once

#include <QObject>
#include <QString>
#include <memory>

class InstanceLock;
class QSocketNotifier;

// One copy of the program per alarms folder (see core/platform/instance_lock.h):
// the first copy holds the guard's socket and is woken through it by a later
// copy, which then leaves.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // Takes the guard of the alarms folder. When there is none to be had (its
  // name held by another user), says so on stderr; the program then runs
  // without it.
  explicit SingleInstance(const QString& alarmsFolder);
  ~SingleInstance() override;

  // Another copy holds the guard of this folder.
  bool OtherCopyRuns() const;
  // From a later copy: asks the first copy to show its window. False when it
  // gave no answer in time (stopped or hung).
  bool WakeFirst();

 signals:
  void wakeRequested();

 private:
  std::unique_ptr<InstanceLock> m_lock;
  QSocketNotifier* m_notifier = nullptr;
};
