#include "core/platform/local_clock.h"

#include <climits>
#include <ctime>

static_assert(sizeof(std::time_t) >= 8, "dates after January 2038 need a 64-bit time_t");

namespace {

// Keeps a field within the range of int, so mktime sees no overflowed value.
int ToIntField(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

LocalTime LocalClock::ToLocal(std::int64_t moment) const {
  tzset();  // follow TZ even when it changed since the last conversion
  const std::time_t value = static_cast<std::time_t>(moment);
  std::tm fields{};
  LocalTime local;
  if (localtime_r(&value, &fields) == nullptr) return local;  // beyond the calendar's range
  local.year = fields.tm_year + 1900;
  local.month = fields.tm_mon + 1;
  local.day = fields.tm_mday;
  local.hour = fields.tm_hour;
  local.minute = fields.tm_min;
  local.second = fields.tm_sec;
  local.weekday = fields.tm_wday;
  return local;
}

std::int64_t LocalClock::FromLocal(int year, int month, int day, int hour, int minute,
                                   int second) const {
  std::tm fields{};
  fields.tm_year = ToIntField(static_cast<long long>(year) - 1900);
  fields.tm_mon = ToIntField(static_cast<long long>(month) - 1);
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  fields.tm_isdst = -1;  // the system decides whether daylight saving applies
  return static_cast<std::int64_t>(std::mktime(&fields));
}

std::int64_t RealClock::Now() const {
  std::timespec reading{};
  clock_gettime(CLOCK_REALTIME, &reading);
  return static_cast<std::int64_t>(reading.tv_sec);
}

std::int64_t RealClock::NowMilliseconds() const {
  std::timespec reading{};
  clock_gettime(CLOCK_REALTIME, &reading);
  return static_cast<std::int64_t>(reading.tv_sec) * 1000 + reading.tv_nsec / 1'000'000;
}
