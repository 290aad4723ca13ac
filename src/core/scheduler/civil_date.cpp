#include "core/scheduler/civil_date.h"

namespace {

// Keeps the year within a range where the day count cannot overflow
// (far beyond anything a calendar of the program's use can reach).
constexpr std::int64_t kYearLimit = 1'000'000'000;

std::int64_t ClampYear(std::int64_t year) {
  if (year > kYearLimit) return kYearLimit;
  if (year < -kYearLimit) return -kYearLimit;
  return year;
}

}  // namespace

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  if ((value % divisor != 0) && ((value < 0) != (divisor < 0))) --quotient;
  return quotient;
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
  return value - FloorDiv(value, divisor) * divisor;
}

// Howard Hinnant's days_from_civil, with the month carried into the year first.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  constexpr std::int64_t kDayLimit = 1'000'000'000'000;
  if (day > kDayLimit) day = kDayLimit;
  if (day < -kDayLimit) day = -kDayLimit;
  if (month > kDayLimit) month = kDayLimit;
  if (month < -kDayLimit) month = -kDayLimit;
  std::int64_t y = ClampYear(ClampYear(year) + FloorDiv(month - 1, 12));
  const std::int64_t m = FloorMod(month - 1, 12) + 1;
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;                            // [0, 399]
  const std::int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;  // [0, 365], from 1 March
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + (day - 1);
}

// Howard Hinnant's civil_from_days.
CivilDate CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;  // [0, 146096]
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // [0, 11], from March
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  date.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

int WeekdayFromDays(std::int64_t days) {
  return static_cast<int>(FloorMod(days + 4, 7));  // 1 January 1970 was a Thursday
}

bool IsRealDate(std::int64_t year, std::int64_t month, std::int64_t day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  const CivilDate back = CivilFromDays(DaysFromCivil(year, month, day));
  return back.year == year && back.month == month && back.day == day;
}
