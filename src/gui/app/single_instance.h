#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class InstanceLock;
class QSocketNotifier;

// One copy of the program per alarms folder, the current directory (see
// core/platform/instance_lock.h): the first copy holds the folder's guard and
// is woken through it by a later copy, which then leaves.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // Takes the guard of the alarms folder. When there is none to be had, says
  // why on stderr; the program then runs without it.
  SingleInstance();
  ~SingleInstance() override;

  // Another copy holds the guard of this folder.
  bool OtherCopyRuns() const;
  // From a later copy: asks the first copy to show its window, handing it
  // this start's activation token (XDG_ACTIVATION_TOKEN, else the X11 startup
  // id read before Qt took it). False when it gave no answer in time (stopped
  // or hung).
  bool WakeFirst(const QByteArray& x11StartupId);
  // The program works in its alarms folder again, made anew or replaced: takes
  // the new folder's guard in place of the old one's. When another copy holds
  // it, says so and tells (folderTakenByAnother): this copy must end.
  void FollowFolder();

 signals:
  // A later copy asked for the window, with its activation token (may be empty).
  void wakeRequested(const QString& token);
  // The folder this copy entered again is another copy's.
  void folderTakenByAnother();

 private:
  void Take(std::chrono::milliseconds patience, bool ask);

  std::unique_ptr<InstanceLock> m_lock;
  QSocketNotifier* m_notifier = nullptr;
};
