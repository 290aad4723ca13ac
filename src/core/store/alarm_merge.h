#pragma once

#include <string>
#include <vector>

#include "core/model/alarm_record.h"

// Putting this program's own changes of the table together with a change
// another program made to alarms.txt meanwhile. Records are compared whole;
// one whose text alone differs is the same alarm with a new text.

// The records the file should hold: `theirs` (the file as the other program
// left it) with this program's changes since `base` (the file as this program
// last read or wrote it) made again to it. ours is the table. A record ours
// added is added (up to the table's 12); one ours removed is removed when it is
// still there; a new text ours gave is given to the same record when it is
// still there, and dropped when the other program took that alarm out.
std::vector<AlarmRecord> MergeAlarmChanges(const std::vector<AlarmRecord>& base,
                                           const std::vector<AlarmRecord>& ours,
                                           const std::vector<AlarmRecord>& theirs);

// The alarms of `after` that were not in `before` (a record whose text alone
// changed is not a new alarm).
std::vector<AlarmRecord> NewAlarms(const std::vector<AlarmRecord>& before,
                                   const std::vector<AlarmRecord>& after);

// This program's changes since base, in words, for a user who must make them
// again: each line ours added and each line it removed
// ("added \"1,00/00/00,0,09:30,\", removed \"...\""); empty when there are none.
std::string DescribeChanges(const std::vector<AlarmRecord>& base,
                            const std::vector<AlarmRecord>& ours);
