#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/pass_step.h"
#include "core/store/alarm_table.h"

// The due check of a tick: every whole minute of real time that passes while
// the program runs gets its due check once.
//
// lastMinute is the minute (MinuteOf) the previous check examined, snapshot
// this tick's reading. When the tick's minute directly follows lastMinute, or
// lies before it (the clock was set back: its minutes repeat, as in the night
// the clocks go back), this is the ordinary due pass of the tick's minute.
// When minutes were skipped (the computer slept, the process was stopped, the
// clock was set forward), each alarm that fell due in a skipped minute or in
// the tick's own minute fires once, however often it fell due, in the order of
// the first such minute (table order within one minute); each minute is judged
// by its own local time, and a fired one-off alarm is removed as usual.
// fire(i, minute) gets the minute each alarm fell due in, so a late pop-up can
// say how late it is; remove(i) is that of the due pass, and the table may
// change under fire, as there.
void CheckMinutesSince(const AlarmTable& table, std::int64_t lastMinute,
                       const ClockSnapshot& snapshot, const LocalClock& clock, const FireDue& fire,
                       const std::function<void(int)>& remove);

// The catch-up of a change of alarms.txt read in late. `records` came into
// the table with the change (TakeRecordsReadIn), so they were not in the table
// when the minutes from firstMinute up to lastMinute were judged: the minutes
// judged while the change was being written or waited for a dialog to close.
// Each that fell due in one of those minutes fires once now, late, in the
// order of its minute, and a one-off one is removed as usual. The other
// entries were judged at those minutes already and are left alone.
void CheckRecordsReadIn(const AlarmTable& table, const std::vector<AlarmRecord>& records,
                        std::int64_t firstMinute, std::int64_t lastMinute, const LocalClock& clock,
                        const FireDue& fire, const std::function<void(int)>& remove);
