#pragma once

#include <cstdint>

// Proleptic Gregorian calendar arithmetic on whole days, free of time zones.
// Day 0 is 1 January 1970. All arithmetic is 64-bit, so no input overflows.

struct CivilDate {
  std::int64_t year = 1970;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
};

// Division rounding toward minus infinity, and its remainder in [0, divisor)
// (divisor > 0).
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor);
std::int64_t FloorMod(std::int64_t value, std::int64_t divisor);

// The day number of a date. Out-of-range months and days are carried into the
// neighbouring months and years as mktime does (month 13 is January of the next
// year, day 0 the last day of the month before).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);
CivilDate CivilFromDays(std::int64_t days);
// 0 = Sunday ... 6 = Saturday.
int WeekdayFromDays(std::int64_t days);
// Whether year/month/day names a real date of the Gregorian calendar.
bool IsRealDate(std::int64_t year, std::int64_t month, std::int64_t day);
