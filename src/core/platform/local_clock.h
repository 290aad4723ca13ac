#pragma once

#include <cstdint>

// The local clock: the one place the program learns the time. Seconds are
// 64-bit everywhere so that dates after January 2038 work.

struct LocalTime {
  int year = 0;     // full calendar year, e.g. 2026
  int month = 0;    // 1-12
  int day = 0;      // 1-31
  int hour = 0;     // 0-23
  int minute = 0;   // 0-59
  int second = 0;   // 0-60
  int weekday = 0;  // 0 = Sunday ... 6 = Saturday
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  // Seconds since 1 January 1970 00:00 UTC.
  virtual std::int64_t Now() const = 0;
  // Milliseconds since the epoch; used only to line the tick up with the second.
  virtual std::int64_t NowMilliseconds() const = 0;
  // Local calendar fields of a moment, in the zone TZ names.
  LocalTime ToLocal(std::int64_t moment) const;
  // The moment of local calendar fields; the system decides whether daylight
  // saving applies. Out-of-range fields are normalised as mktime does.
  std::int64_t FromLocal(int year, int month, int day, int hour, int minute, int second) const;
};

class RealClock : public LocalClock {
 public:
  std::int64_t Now() const override;
  std::int64_t NowMilliseconds() const override;
};

// A clock whose time the caller sets; tests and the simulation use it.
class FakeClock : public LocalClock {
 public:
  explicit FakeClock(std::int64_t moment = 0) : m_now(moment) {}
  void Set(std::int64_t moment) { m_now = moment; }
  void Advance(std::int64_t seconds) { m_now += seconds; }
  std::int64_t Now() const override { return m_now; }
  std::int64_t NowMilliseconds() const override { return m_now * 1000; }

 private:
  std::int64_t m_now;
};
