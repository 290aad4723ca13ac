#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/alarm_kind.h"
#include "core/model/alarm_record.h"
#include "core/model/clock_snapshot.h"
#include "core/model/core_ui.h"
#include "core/model/date_format.h"
#include "core/platform/stderr_note.h"
#include "core/store/alarms_file.h"
#include "core/store/alarms_folder.h"
#include "core/store/followed_record.h"

inline constexpr int kMaxAlarms = 12;

// A new alarm in the order of the entry form: time, kind (the row of the kind
// table), day, date as typed.
struct NewAlarm {
  std::string time;
  AlarmKind kind = AlarmKind::kToday;
  std::string day;
  std::string date;
};

// The file the table lives in, in the current working directory.
inline constexpr const char* kAlarmsFileName = "alarms.txt";

// The alarms, this program's copy of alarms.txt, and the rules by which the
// copy and the file are kept in step. The application makes one and hands it
// to the windows; each test makes its own. Messages, deletions and every
// change of the alarms go to the listener (the main window), when one is set.
//
// Reading in a change another program makes to alarms.txt while this program
// runs: what this program changed since it last read or wrote the file is the
// difference between the table and the records the file then held (the base).
// Reading in a change keeps that difference (MergeAlarmChanges), so neither
// side's change is lost, and every save reads in a change first: a save never
// replaces lines it has not read.
class AlarmTable {
 public:
  void SetListener(CoreUi* listener) { m_listener = listener; }
  // The folder alarms.txt lives in (the current directory), found again by its
  // path at each save; none by default.
  void SetFolder(AlarmsFolder folder) { m_folder = std::move(folder); }
  const AlarmsFolder& Folder() const { return m_folder; }

  int Count() const { return m_count; }
  const AlarmRecord& At(int i) const { return m_records[static_cast<std::size_t>(i)]; }
  // Entries 0 .. count-1 in their order.
  std::vector<AlarmRecord> TableRecords() const;
  // Sets the wake-up text of entry i (when there is one).
  void SetText(int i, std::string text);

  // The record a window keeps open (the alarm text dialog's), told of each
  // removal and reload while it is followed; nullptr follows none.
  void Follow(FollowedRecord* record) { m_followed = record; }

  // Appends the form's values as a new record carrying the new-alarm marker:
  // a kind fixed to today or tomorrow takes the clock's date, a typed date is
  // turned from the dateFormat order into day first. Does nothing when the table is full.
  void AppendAlarm(const NewAlarm& alarm, const ClockSnapshot& clock, DateFormat dateFormat);
  // Takes entry i out of the table in memory, later entries moving up by one;
  // false (and nothing changed) when there is no entry i.
  bool RemoveAlarmAt(int i);
  // Removes entry i (telling the followed record first), then saves, reloads and tells the listener
  // (AlarmDeleted).
  void DeleteAlarm(int i);
  // Writes the sorted lines whole or not at all; false (after "File open error.") on failure,
  // and when alarms.txt exists but cannot be read, which a save never replaces. It first reads
  // in a change another program made to the file (ReadInAlarmsChange), and enters the alarms
  // folder again, making it when it is gone (ReenterAlarmsFolder). While another program is
  // writing the file it writes nothing: the save waits for the watcher (AlarmsSaveWaiting).
  bool SaveAlarms();
  // Replaces the table by what alarms.txt holds. While the program runs, a file that is gone,
  // cannot be read or is being written by another program leaves the table as it is.
  void LoadAlarms();
  // At start-up: a missing or unreadable file gives an empty table, and one that exists but
  // cannot be read says "File open error.".
  void LoadAlarmsAtStartUp();
  // The same from another file, without noting it as alarms.txt; false when it is missing or
  // cannot be read.
  bool LoadAlarmsFrom(const std::string& path);
  // Makes the records (the first 12) the table, and tells the followed record.
  void SetTableRecords(const std::vector<AlarmRecord>& records);

  // True when alarms.txt is no longer what was last read or written.
  bool AlarmsFileChanged() const;
  // Set while another program is writing the file (the file's watcher knows):
  // the file is then neither read nor written, as it may be half-written. A save
  // meanwhile is kept for later (AlarmsSaveWaiting) and a load keeps the table.
  void SetAlarmsFileBusy(bool busy) { m_busy = busy; }
  // Called before each read or write of alarms.txt, so that the file's watcher
  // first takes in what the kernel told it meanwhile (and marks the file busy
  // when another program has started writing it).
  void SetFileNews(std::function<void()> take) { m_fileNews = std::move(take); }
  // Called after the listener at every change of the alarms, for what keeps
  // something worked out from them (the wake-up timer); none by default.
  void SetChangeWatch(std::function<void()> changed) { m_changeWatch = std::move(changed); }
  bool AlarmsFileBusy() const { return m_busy; }
  // A save waited for the other program; the watcher saves once it is done.
  bool AlarmsSaveWaiting() const { return m_saveWaiting; }
  // At the end of the program, when the other program has not finished: the
  // save that waited is made now on the file as it stands, that program's
  // change read in first. Nothing is shown; when changes cannot be saved,
  // stderr is told which, and the result is false.
  bool FinishWaitingSave();
  // Reads the file in when it is not what this program last read or wrote and
  // is not being written: the table becomes the file's records with this
  // program's own changes made again. A file that is gone or cannot be read
  // changes nothing (the table stays, to be written at the next save). True when
  // it read a change in.
  bool ReadInAlarmsChange();
  // The alarms brought into the table by reading the file since the last call,
  // for the catch-up of the minutes that passed meanwhile.
  std::vector<AlarmRecord> TakeRecordsReadIn();

 private:
  AlarmRecord& Entry(int i) { return m_records[static_cast<std::size_t>(i)]; }
  void SortAlarms();
  // Fills the table from a file, as at start-up; remember notes it as alarms.txt.
  FileRead LoadTable(const std::string& path, bool remember);
  // Notes a file just read (its bytes and records) as what the program last read.
  void AdoptAlarmsFile(std::string bytes, const std::vector<AlarmRecord>& records);
  // Makes records the table, noting the alarms they bring in.
  void TakeIntoTable(const std::vector<AlarmRecord>& records);
  void ShowFileOpenError();
  void TakeFileNews();
  // "alarms.txt in <folder>", for what is said on stderr.
  std::string FileName() const;
  // Reads alarms.txt, saying once on stderr what it did not read, and why.
  FileRead ReadAlarmsFile(std::string& bytes);
  void TellChanged();
  // SaveAlarms and ReadInAlarmsChange once the file is not busy.
  bool WriteTable(std::string& why);
  bool ReadInFile();

  std::array<std::string, kMaxAlarms> m_sortedLines;  // work buffer of the save
  std::array<AlarmRecord, kMaxAlarms> m_records;      // entries 0 .. count-1 are in use
  int m_count = 0;
  FollowedRecord* m_followed = nullptr;
  CoreUi* m_listener = nullptr;
  AlarmsFolder m_folder;

  AlarmsFileMemory m_file;                 // the file as last read or written
  std::vector<AlarmRecord> m_fileRecords;  // the base: its records
  bool m_busy = false;
  bool m_saveWaiting = false;
  std::function<void()> m_fileNews;
  std::function<void()> m_changeWatch;
  std::vector<AlarmRecord> m_readIn;
  StderrNote m_saidRead;   // what stderr was told of reading the file
  StderrNote m_saidWrite;  // and of writing it
};

// The records of a file's bytes, as a load reads them.
std::vector<AlarmRecord> FileRecords(std::string_view bytes);
