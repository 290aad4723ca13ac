#include "core/entry/snooze_alarm.h"

#include "core/entry/alarm_commit.h"
#include "core/model/alarm_kind.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/minute_walk.h"

namespace {

bool SameDate(const LocalTime& a, const LocalTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

NewAlarm SnoozeForm(const LocalClock& clock, std::int64_t now, int minutes) {
  const LocalTime today = clock.ToLocal(now);
  const LocalTime then = clock.ToLocal(now + minutes * kSecondsPerMinute);
  const AlarmKind kind = SameDate(today, then) ? AlarmKind::kToday : AlarmKind::kTomorrow;
  return NewAlarm{TwoDigits(then.hour) + ":" + TwoDigits(then.minute), kind, "None", ""};
}

SnoozeAdded AddSnoozedAlarm(AlarmTable& table, const std::string& text, const LocalClock& clock,
                            int minutes) {
  table.ReadInAlarmsChange();
  const std::int64_t now = clock.Now();
  // The date order is that of a typed date; Today and Tomorrow take the clock's.
  const AlarmAdded added = AddAlarm(table, SnoozeForm(clock, now, minutes), text,
                                    SnapshotAt(clock, now), DateFormat::Uk);
  return {added.index, added.message};
}
