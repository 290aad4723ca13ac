#include "core/scheduler/calendar_rules.h"

#include "core/model/alarm_kind.h"
#include "core/platform/simple_number.h"
#include "core/platform/text_parts.h"

namespace {

constexpr int kFortnightDays = 14;

// "1".."4": the first to fourth seven days of the month (1-7, 8-14, 15-21, 22-28).
bool WeekNumberCovers(std::string_view week, int day) {
  if (week.size() != 1 || week[0] < '1' || week[0] > '4') return false;
  const int first = 7 * (week[0] - '1') + 1;
  return day >= first && day < first + 7;
}

bool MonthlyAccepts(const AlarmRecord& record, const ClockSnapshot& snapshot) {
  if (record.day == "None") return ReadNumber(record.date) == snapshot.day;
  if (record.day != snapshot.weekdayName) return false;
  return MonthWeekCovers(record.date, snapshot.day, snapshot.daysInMonth);
}

}  // namespace

CivilDate ReadStoredDate(std::string_view date) {
  CivilDate stored;
  stored.day = ReadNumber(TextPart(date, 0, 2));
  stored.month = ReadNumber(TextPart(date, 3, 2));
  stored.year = 2000 + ReadNumber(LastChars(date, 2));
  return stored;
}

bool FortnightlyFallsOn(std::string_view startDate, std::int64_t year, int month, int day) {
  const CivilDate start = ReadStoredDate(startDate);
  const std::int64_t daysSinceStart =
      DaysFromCivil(year, month, day) - DaysFromCivil(start.year, start.month, start.day);
  return daysSinceStart >= 0 && daysSinceStart % kFortnightDays == 0;
}

bool MonthWeekCovers(std::string_view week, int day, int daysInMonth) {
  if (week == "Last") return day > daysInMonth - 7;
  return WeekNumberCovers(week, day);
}

bool TypeAcceptsDay(const AlarmRecord& record, const ClockSnapshot& snapshot) {
  const KindRow* row = FindStoredKind(record.type);
  if (row == nullptr) return false;
  switch (row->kind) {
    case AlarmKind::kToday:
    case AlarmKind::kTomorrow:
    case AlarmKind::kOneDate:
      return record.date == snapshot.todayText;
    case AlarmKind::kDaily:
      return true;
    case AlarmKind::kWeekly:
      return record.day == snapshot.weekdayName;
    case AlarmKind::kFortnightly:
      return FortnightlyFallsOn(record.date, 2000 + snapshot.year, snapshot.month, snapshot.day);
    case AlarmKind::kMonthly:
      return MonthlyAccepts(record, snapshot);
  }
  return false;
}
