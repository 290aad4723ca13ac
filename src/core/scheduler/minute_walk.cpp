#include "core/scheduler/minute_walk.h"

#include <algorithm>

#include "core/scheduler/civil_date.h"

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;

// Minute of the local day of a moment at a known UTC offset.
int MinuteOfDay(std::int64_t moment, std::int64_t offset) {
  return static_cast<int>(FloorMod(FloorDiv(moment + offset, kSecondsPerMinute), kMinutesPerDay));
}

int TwoDigitsAt(std::string_view text, std::size_t at) {
  const char tens = text[at];
  const char ones = text[at + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return -1;
  return (tens - '0') * 10 + (ones - '0');
}

}  // namespace

std::int64_t UtcOffset(const LocalClock& clock, std::int64_t moment) {
  const LocalTime local = clock.ToLocal(moment);
  const std::int64_t localSeconds =
      DaysFromCivil(local.year, local.month, local.day) * kSecondsPerDay +
      local.hour * kSecondsPerHour + local.minute * 60 + local.second;
  return localSeconds - moment;
}

int MinuteOfDayOf(std::string_view time) {
  if (time.size() != 5 || time[2] != ':') return -1;
  const int hour = TwoDigitsAt(time, 0);
  const int minute = TwoDigitsAt(time, 3);
  if (hour < 0 || minute < 0 || hour > 23 || minute > 59) return -1;
  return hour * 60 + minute;
}

DayMinutes AlarmMinutes(const AlarmTable& table) {
  DayMinutes watched{};
  for (int i = 0; i < table.Count(); ++i) {
    const int minute = MinuteOfDayOf(table.At(i).time);
    if (minute >= 0) watched[static_cast<std::size_t>(minute)] = true;
  }
  return watched;
}

std::int64_t MinuteOf(std::int64_t moment) {
  return FloorDiv(moment, kSecondsPerMinute);
}

// The offset from UTC is looked up once an hour; an hour whose offset differs
// at its two ends (a clock change falls in it) is converted minute by minute.
void WalkMinutes(const LocalClock& clock, std::int64_t from, std::int64_t to,
                 const DayMinutes& watched, const std::function<void(std::int64_t)>& visit) {
  std::int64_t offset = UtcOffset(clock, from);
  for (std::int64_t hour = from; hour < to; hour += kSecondsPerHour) {
    const std::int64_t nextOffset = UtcOffset(clock, hour + kSecondsPerHour);
    const std::int64_t stop = std::min(hour + kSecondsPerHour, to);
    if (offset == nextOffset) {
      int minuteOfDay = MinuteOfDay(hour, offset);
      for (std::int64_t t = hour; t < stop; t += kSecondsPerMinute) {
        if (watched[static_cast<std::size_t>(minuteOfDay)]) visit(t);
        if (++minuteOfDay == kMinutesPerDay) minuteOfDay = 0;
      }
    } else {
      for (std::int64_t t = hour; t < stop; t += kSecondsPerMinute) {
        if (watched[static_cast<std::size_t>(MinuteOfDay(t, UtcOffset(clock, t)))]) visit(t);
      }
    }
    offset = nextOffset;
  }
}
