#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/model/clock_snapshot.h"
#include "core/model/date_format.h"

inline constexpr int kMaxAlarms = 12;
// g_editIndex when no alarm text dialog is open.
inline constexpr int kNoEditIndex = 99;

struct AlarmTable {
  std::array<std::string, kMaxAlarms> sortedLines;  // work buffer of the save
  std::array<AlarmRecord, kMaxAlarms> records;      // entries 0 .. count-1 are in use
  int count = 0;

  int Count() const { return count; }
  const AlarmRecord& At(int i) const { return records[static_cast<std::size_t>(i)]; }
};

extern AlarmTable g_alarms;
extern int g_editIndex;     // the record open in the alarm text dialog, or kNoEditIndex
extern bool g_editGoneOff;  // that record was deleted while the dialog was open

// The file the table lives in, in the current working directory.
inline constexpr const char* kAlarmsFileName = "alarms.txt";

// Appends the form's values as a new record carrying the new-alarm marker:
// "Today" and "Tomorrow" take the clock's dates, a typed date is turned from
// the dateFormat order into day first. Requires count < kMaxAlarms.
void AppendAlarm(std::string_view type, std::string_view day, std::string_view time,
                 std::string_view date, const ClockSnapshot& clock, DateFormat dateFormat);
// Takes entry i out of the table in memory, later entries moving up by one;
// false (and nothing changed) when there is no entry i.
bool RemoveAlarmAt(int i);
// Removes entry i, then saves, reloads and tells the interface (AlarmDeleted).
void DeleteAlarm(int i);
void SortAlarms();
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
// Entries 0 .. count-1 in their order.
std::vector<AlarmRecord> TableRecords();
// Makes the records (the first 12) the table. The record open in the alarm text dialog keeps
// its g_editIndex wherever it moved; when it is no longer there, g_editGoneOff is set.
void SetTableRecords(const std::vector<AlarmRecord>& records);
// The records of a file's bytes, as a load reads them.
std::vector<AlarmRecord> FileRecords(std::string_view bytes);
// Notes a file just read (its bytes and records) as what the program last read.
void AdoptAlarmsFile(std::string bytes, const std::vector<AlarmRecord>& records);
// Empties the table, g_editIndex and g_editGoneOff (start-up state).
void ResetAlarmTable();
