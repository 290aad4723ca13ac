#include "core/entry/alarm_commit.h"

#include "core/entry/new_alarm_check.h"
#include "core/model/alarm_record.h"
#include "core/scheduler/pass_step.h"

// A file that could not be read back keeps the table: the new alarm the save
// could not write goes all the same.
AlarmAdded AddAlarm(AlarmTable& table, const NewAlarm& alarm, const std::string& text,
                    const ClockSnapshot& clock, DateFormat dateFormat) {
  if (table.Count() >= kMaxAlarms) return {AddResult::kTableFull, -1, kTableFullMessage};
  table.AppendAlarm(alarm, clock, dateFormat);
  const int added = table.Count() - 1;
  // AppendAlarm gives the new-alarm marker; another text replaces it.
  if (table.At(added).text != text) table.SetText(added, text);
  const AlarmRecord record = table.At(added);
  const bool saved = table.SaveAlarms();
  table.LoadAlarms();
  const int k = FindFiredRecord(table, record, added);
  if (saved) return {AddResult::kAdded, k, ""};
  if (k >= 0) table.RemoveAlarmAt(k);
  return {AddResult::kNotSaved, -1, ""};
}
