#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class CMainDlg;

// Reads in an alarms.txt that another program changed, so that a hand edit
// simply shows in the list. The kernel reports changes of the file and of its
// folder (inotify); nothing polls, so an idle program is not woken. A change
// is read in only when no dialog of the program is open; while one is, the
// reading waits until it has closed.
class AlarmsFileWatcher : public QObject {
  Q_OBJECT

 public:
  explicit AlarmsFileWatcher(CMainDlg* dlg);

  // Reads the file in now if it changed and no dialog is open.
  void ReadInIfChanged();

 private:
  void Watch();
  void OnChange();
  bool DialogOpen() const;

  CMainDlg* m_dlg;
  QFileSystemWatcher m_watcher;
  QTimer m_settle;  // lets a writer finish before the file is read
};
