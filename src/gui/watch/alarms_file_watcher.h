#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/platform/stderr_note.h"
#include "gui/watch/read_in_catch_up.h"

class AlarmTable;
class OpenDialogWatch;
class QSocketNotifier;
class QWidget;
struct inotify_event;

// Reads in an alarms.txt that another program changed, so that a hand edit
// simply shows in the list and its alarms fire. The kernel reports changes in
// the alarms folder and in the folder of the file a link names (inotify);
// nothing polls, so an idle program is not woken.
//
// - A change is read once its writer has closed the file and it has been quiet
//   for a moment, so a half-written file is never read. The file counts as
//   being written from its first truncation or write, whatever its bytes say.
//   Until then the table stays as it is and a save waits (AlarmsFileBusy);
//   the table asks for the kernel's news before each read or write.
// - It is read in when no dialog of the program is open; a change seen while a
//   dialog is open is read in when the last one closes (a save reads it in at
//   once, before its own change).
// - The alarms a change brought in were not in the table at the minutes
//   judged while it was being written or waited: those due in such a minute
//   pop up once, late (CheckRecordsReadIn).
// - A file deleted, or its folder deleted or replaced, leaves the alarms in
//   memory and firing: the watcher says so on stderr, finds the folder again
//   by its path, and the next save writes the file again.
class AlarmsFileWatcher : public QObject {
  Q_OBJECT

 public:
  // Lives as a child of the main window, whose dialogs it watches. The alarms
  // a change brought in go to catchUp; showChange shows the changed table,
  // keeping what the user is typing.
  AlarmsFileWatcher(QWidget* window, AlarmTable& table, ReadInCatchUp& catchUp,
                    std::function<void()> showChange);
  ~AlarmsFileWatcher() override;

 private:
  enum class Role { Folder, LinkFolder, Above };
  struct Watched {
    Role role = Role::Folder;
    std::filesystem::path folder;
    std::set<std::string> names;  // the entries whose events count
  };

  // What a batch of events told.
  struct Heard {
    bool change = false;
    bool rearm = false;
    bool folderGone = false;
  };

  void Arm();
  void AddWatch(const std::filesystem::path& folder, Role role, std::set<std::string> names);
  void OnEvents();
  void Take(const inotify_event& event, Heard& heard);
  void Noticed();
  void Settle();
  bool ReadIn();
  bool DialogOpen() const;
  void SayIfFileGone();

  AlarmTable& m_table;
  ReadInCatchUp& m_catchUp;
  std::function<void()> m_showChange;
  std::filesystem::path m_folder;  // the alarms folder, by the path it was named with
  int m_fd = -1;
  QSocketNotifier* m_notifier = nullptr;
  OpenDialogWatch* m_dialogs = nullptr;
  std::map<int, Watched> m_watches;
  QTimer m_quiet;                  // runs until the file has been quiet a moment
  int m_waitsForClose = 0;         // quiet moments waited for the writer to close
  bool m_writing = false;          // the file was written and not yet closed
  bool m_pending = false;          // a change seen and not yet read in
  std::int64_t m_sinceMinute = 0;  // the last minute judged before it was seen
  StderrNote m_saidGone;           // stderr was told the file is gone
  StderrNote m_saidFolderGone;     // and the folder
  bool m_settling = false;
  bool m_settleAgain = false;
};
