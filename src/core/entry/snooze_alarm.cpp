#include "core/entry/snooze_alarm.h"

#include "core/model/alarm_kind.h"
#include "core/model/alarm_record.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/pass_step.h"

namespace {

bool SameDate(const LocalTime& a, const LocalTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

AlarmForm SnoozeForm(const LocalClock& clock, std::int64_t now) {
  const LocalTime today = clock.ToLocal(now);
  const LocalTime then = clock.ToLocal(now + kSnoozeMinutes * kSecondsPerMinute);
  const AlarmKind kind = SameDate(today, then) ? AlarmKind::kToday : AlarmKind::kTomorrow;
  return AlarmForm{TwoDigits(then.hour) + ":" + TwoDigits(then.minute),
                   std::string(RowOf(kind).typeText), "None", ""};
}

SnoozeAdded AddSnoozedAlarm(AlarmTable& table, const std::string& text, const LocalClock& clock) {
  table.ReadInAlarmsChange();
  if (table.Count() >= kMaxAlarms) return {-1, kTableFullMessage};
  const std::int64_t now = clock.Now();
  const AlarmForm form = SnoozeForm(clock, now);
  // The date order is that of a typed date; Today and Tomorrow take the clock's.
  table.AppendAlarm(form.type, form.day, form.time, form.date, SnapshotAt(clock, now),
                    DateFormat::Uk);
  const int added = table.Count() - 1;
  table.SetText(added, text);
  const AlarmRecord record = table.At(added);
  const bool saved = table.SaveAlarms();
  table.LoadAlarms();
  const int k = FindFiredRecord(table, record, added);
  if (saved || k < 0) return {k, ""};
  table.RemoveAlarmAt(k);
  return {-1, ""};
}
