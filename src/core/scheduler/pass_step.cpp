#include "core/scheduler/pass_step.h"

#include "core/model/alarm_kind.h"

int FindFiredRecord(const AlarmTable& table, const AlarmRecord& fired, int was) {
  if (was >= 0 && was < table.Count() && table.At(was) == fired) return was;
  for (int j = 0; j < table.Count(); ++j) {
    if (table.At(j) == fired) return j;
  }
  return -1;
}

void FireEachOnce(const AlarmTable& table, const std::vector<DueAlarm>& due, const FireDue& fire,
                  const std::function<void(int)>& remove) {
  for (const DueAlarm& alarm : due) {
    const int i = FindFiredRecord(table, alarm.record, alarm.index);
    if (i < 0) continue;
    fire(i, alarm.minute);
    if (!IsOneOff(alarm.record.type)) continue;
    const int j = FindFiredRecord(table, alarm.record, i);
    if (j >= 0) remove(j);
  }
}
