#include "core/scheduler/pass_step.h"

#include "core/model/alarm_type.h"
#include "core/store/alarm_table.h"

int FindFiredRecord(const AlarmRecord& fired, int was) {
  if (was >= 0 && was < g_alarms.count &&
      g_alarms.records[static_cast<std::size_t>(was)] == fired) {
    return was;
  }
  for (int j = 0; j < g_alarms.count; ++j) {
    if (g_alarms.records[static_cast<std::size_t>(j)] == fired) return j;
  }
  return -1;
}

void FireEachOnce(const std::vector<DueAlarm>& due, const std::function<void(int)>& fire,
                  const std::function<void(int)>& remove) {
  for (const DueAlarm& alarm : due) {
    const int i = FindFiredRecord(alarm.record, alarm.index);
    if (i < 0) continue;
    fire(i);
    if (!IsOneOff(alarm.record.type)) continue;
    const int j = FindFiredRecord(alarm.record, i);
    if (j >= 0) remove(j);
  }
}
