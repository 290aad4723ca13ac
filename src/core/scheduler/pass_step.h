#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/store/alarm_table.h"

// An alarm a pass found due: where it stood when found, and what it held. A
// pass finds it again by what it holds, since pop-ups, removals and a file
// read in meanwhile move the entries of the table.
struct DueAlarm {
  int index = 0;
  AlarmRecord record;
  std::int64_t minute = 0;  // the minute of real time it fell due in (MinuteOf)
};

// fire(i, minute): shows the alarm now at entry i, which fell due in that
// minute of real time; a pop-up shown in a later minute says how late it is.
using FireDue = std::function<void(int, std::int64_t)>;

// Where the record fired at index `was` is now: still there, or wherever the
// table moved it; -1 when it is gone. Never reads at or beyond count.
int FindFiredRecord(const AlarmTable& table, const AlarmRecord& fired, int was);

// Fires each alarm of `due` once, in order, while it is still in the table:
// fire(i, minute) with where it is now and the minute it fell due, then for a one-off alarm
// remove(j) with where it is when fire returns. fire may run nested passes and change the table; an
// alarm taken out meanwhile is skipped, and a removal that could not be saved
// (the old file read back) does not fire it again.
void FireEachOnce(const AlarmTable& table, const std::vector<DueAlarm>& due, const FireDue& fire,
                  const std::function<void(int)>& remove);
