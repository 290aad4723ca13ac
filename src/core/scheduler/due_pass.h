#pragma once

#include <functional>

#include "core/model/alarm_record.h"
#include "core/scheduler/clock_snapshot.h"

// Whether a record's time is the snapshot's minute and its type accepts the day.
bool IsAlarmDue(const AlarmRecord& record, const ClockSnapshot& snapshot);

// One pass over g_alarms in table order. fire(i) shows the alarm at i (it may
// run nested passes before it returns); remove(i) deletes a fired one-off alarm.
// The pass finds a fired record again wherever a nested pass moved it, never
// reads at or beyond the current count, and never fires one record twice in a
// pass (also when its removal could not be saved).
void RunDuePass(const ClockSnapshot& snapshot, const std::function<void(int)>& fire,
                const std::function<void(int)>& remove);
