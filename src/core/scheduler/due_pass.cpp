#include "core/scheduler/due_pass.h"

#include <algorithm>

#include "core/model/alarm_type.h"
#include "core/scheduler/calendar_rules.h"
#include "core/scheduler/pass_step.h"
#include "core/store/alarm_table.h"

bool IsAlarmDue(const AlarmRecord& record, const ClockSnapshot& snapshot) {
  if (record.type.empty()) return false;
  if (record.time != snapshot.timeText) return false;
  return TypeAcceptsDay(record, snapshot);
}

void RunDuePass(const ClockSnapshot& snapshot, const std::function<void(int)>& fire,
                const std::function<void(int)>& remove) {
  // The caller may pass the live snapshot, which nested ticks overwrite while
  // fire(i) runs; the whole pass keeps the minute it started in.
  const ClockSnapshot minute = snapshot;
  int i = 0;
  while (i < g_alarms.count) {
    const AlarmRecord& entry = g_alarms.records[static_cast<std::size_t>(i)];
    if (!IsAlarmDue(entry, minute)) {
      ++i;
      continue;
    }
    const AlarmRecord fired = entry;  // fire(i) may move or remove the entry
    fire(i);
    const int j = FindFiredRecord(fired, i);
    if (j < 0) {
      i = std::min(i, g_alarms.count);
    } else if (IsOneOff(fired.type)) {
      i = RemoveAndStep(j, remove);
    } else {
      i = j + 1;
    }
  }
}
