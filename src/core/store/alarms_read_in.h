#pragma once

#include <vector>

#include "core/model/alarm_record.h"

// Reading in a change another program makes to alarms.txt while this program
// runs. The table is this program's copy of the file; what it changed since it
// last read or wrote the file is the difference between the table and the
// records the file then held (the base). Reading in a change keeps that
// difference (MergeAlarmChanges), so neither side's change is lost, and every
// save reads in a change first: a save never replaces lines it has not read.

// Notes the records the file holds as this program has just read or written it.
void RememberFileRecords(const std::vector<AlarmRecord>& records);

// Set while another program is writing the file (the file's watcher knows):
// the file is then neither read nor written, as it may be half-written. A save
// meanwhile is kept for later (AlarmsSaveWaiting) and a load keeps the table.
void SetAlarmsFileBusy(bool busy);
bool AlarmsFileBusy();
// A save waited for the other program; the watcher saves once it is done.
bool AlarmsSaveWaiting();
void SetAlarmsSaveWaiting(bool waiting);

// Reads the file in when it is not what this program last read or wrote and
// is not being written: the table becomes the file's records with this
// program's own changes made again. A file that is gone or cannot be read
// changes nothing (the table stays, to be written at the next save). True when
// it read a change in.
bool ReadInAlarmsChange();

// Makes records the table, noting the alarms they bring in (NewAlarms).
void TakeIntoTable(const std::vector<AlarmRecord>& records);
// The alarms brought into the table by reading the file since the last call,
// for the catch-up of the minutes that passed meanwhile.
std::vector<AlarmRecord> TakeRecordsReadIn();

// Start-up state: nothing read, nothing waiting.
void ResetReadIn();
