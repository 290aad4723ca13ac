#pragma once

#include <string>

#include "core/model/clock_snapshot.h"
#include "core/model/date_format.h"
#include "core/store/alarm_table.h"

// What became of a new alarm.
enum class AddResult {
  kAdded,      // in the table and saved
  kTableFull,  // refused: the table holds kMaxAlarms
  kNotSaved,   // alarms.txt could not be written: taken out again (the table said why)
};

struct AlarmAdded {
  AddResult result = AddResult::kNotSaved;
  // Where it is in the table once read back; -1 when it is not there.
  int index = -1;
  // What the user is to be told; empty when there is nothing to tell.
  std::string message;
};

// Adds a new alarm with its wake-up text (the new-alarm marker for one the
// list is to bring into view) and commits it: the table is saved and read
// back, and an alarm the save could not write is taken out again, so that the
// table never holds one alarms.txt lost. A full table refuses it with the
// message Add gives. Reading in another program's change first is the
// caller's.
AlarmAdded AddAlarm(AlarmTable& table, const NewAlarm& alarm, const std::string& text,
                    const ClockSnapshot& clock, DateFormat dateFormat);
