#pragma once

#include <array>
#include <string>
#include <string_view>

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
};

extern AlarmTable g_alarms;
extern int g_listTop;       // the record shown in the first list row
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
// Removes entry i, then saves, reloads and asks the interface to refresh the list.
void DeleteAlarm(int i);
void SortAlarms();
// Writes the sorted lines whole or not at all; false (after "File open error.") on failure,
// and when alarms.txt exists but cannot be read, which a save never replaces.
bool SaveAlarms();
// Replaces the table by what alarms.txt holds; a missing or unreadable file gives an empty
// table.
void LoadAlarms();
// The same at start-up, saying "File open error." when alarms.txt exists but cannot be read.
void LoadAlarmsAtStartUp();
// The same from another file; false when it is missing or cannot be read.
bool LoadAlarmsFrom(const std::string& path);
// Empties the table, g_listTop, g_editIndex and g_editGoneOff (start-up state).
void ResetAlarmTable();
