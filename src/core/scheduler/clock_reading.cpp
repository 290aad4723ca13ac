#include "core/scheduler/clock_reading.h"

#include <algorithm>

#include "core/model/alarm_record.h"
#include "core/scheduler/civil_date.h"

namespace {

std::string WeekdayName(int weekday) {
  if (weekday < 0 || weekday >= static_cast<int>(kWeekdayNames.size())) return "";
  return std::string(kWeekdayNames[static_cast<std::size_t>(weekday)]);
}

// The program's own rule: February has 29 days in every year divisible by 4,
// which is the calendar's rule for all of 2000-2099.
int DaysInMonth(int month, int fullYear) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return fullYear % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

// "AA/BB/YY" with the year counted from 2000.
std::string JoinDate(int first, int second, int shortYear) {
  return TwoDigits(first) + "/" + TwoDigits(second) + "/" + TwoDigits(shortYear);
}

// "HH:MM".
std::string JoinTime(int hour, int minute) {
  return TwoDigits(hour) + ":" + TwoDigits(minute);
}

}  // namespace

std::string TwoDigits(int value) {
  std::string digits = std::to_string(value);
  return (value >= 0 && value < 10) ? "0" + digits : digits;
}

ClockSnapshot ReadClockSnapshot(const LocalClock& clock) {
  return SnapshotAt(clock, clock.Now());
}

ClockSnapshot SnapshotAt(const LocalClock& clock, std::int64_t moment) {
  ClockSnapshot snapshot;
  snapshot.now = moment;
  const LocalTime local = clock.ToLocal(snapshot.now);
  snapshot.hour = local.hour;
  snapshot.minute = local.minute;
  snapshot.second = local.second;
  snapshot.day = local.day;
  snapshot.month = local.month;
  snapshot.year = local.year - 2000;
  snapshot.weekdayName = WeekdayName(local.weekday);
  snapshot.daysInMonth = DaysInMonth(local.month, local.year);
  snapshot.timeText = JoinTime(local.hour, local.minute);
  snapshot.todayText = JoinDate(local.day, local.month, snapshot.year);
  // The next calendar day, whatever the length of today (23 or 25 hours on
  // the days the clocks change).
  const CivilDate tomorrow = CivilFromDays(DaysFromCivil(local.year, local.month, local.day) + 1);
  snapshot.tomorrowText =
      JoinDate(tomorrow.day, tomorrow.month, static_cast<int>(tomorrow.year - 2000));
  return snapshot;
}

Phrase ClockLinePhrase(const ClockSnapshot& snapshot, DateFormat dateFormat) {
  const std::string date = dateFormat == DateFormat::Uk
                               ? JoinDate(snapshot.day, snapshot.month, snapshot.year)
                               : JoinDate(snapshot.month, snapshot.day, snapshot.year);
  const bool named = std::find(kWeekdayNames.begin(), kWeekdayNames.end(), snapshot.weekdayName) !=
                     kWeekdayNames.end();
  const Phrase weekday =
      named ? Marked("Weekday", snapshot.weekdayName) : Plain(snapshot.weekdayName);
  return Phrase{nullptr,
                "%1   %2   %3",
                {Plain(JoinTime(snapshot.hour, snapshot.minute)), weekday, Plain(date)},
                -1};
}

std::string ClockLineText(const ClockSnapshot& snapshot, DateFormat dateFormat) {
  return English(ClockLinePhrase(snapshot, dateFormat));
}
