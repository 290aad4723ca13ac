#include "core/scheduler/next_firing.h"

#include <algorithm>

#include "core/scheduler/clock_reading.h"
#include "core/scheduler/due_pass.h"
#include "core/scheduler/minute_walk.h"

namespace {

bool AnyDue(const AlarmTable& table, const ClockSnapshot& minute) {
  for (int i = 0; i < table.Count(); ++i) {
    if (IsAlarmDue(table.At(i), minute)) return true;
  }
  return false;
}

}  // namespace

// Walks a day at a time, so that the search ends with the day of the firing.
std::optional<std::int64_t> NextFiring(const AlarmTable& table, const LocalClock& clock,
                                       std::int64_t after, std::int64_t reach) {
  const DayMinutes watched = AlarmMinutes(table);
  if (std::none_of(watched.begin(), watched.end(), [](bool named) { return named; })) {
    return std::nullopt;
  }
  const std::int64_t end = after + reach;
  std::optional<std::int64_t> found;
  for (std::int64_t day = (MinuteOf(after) + 1) * kSecondsPerMinute; day < end && !found;
       day += kSecondsPerDay) {
    WalkMinutes(clock, day, std::min(day + kSecondsPerDay, end), watched, [&](std::int64_t moment) {
      if (!found && AnyDue(table, SnapshotAt(clock, moment))) found = moment;
    });
  }
  return found;
}
