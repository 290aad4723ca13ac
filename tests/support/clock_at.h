#pragma once

#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"

// The snapshot the clock tick takes at a local date and time (full year).
inline ClockSnapshot ClockAt(int year, int month, int day, int hour = 12, int minute = 0,
                             int second = 0) {
  FakeClock clock;
  clock.Set(clock.FromLocal(year, month, day, hour, minute, second));
  return ReadClockSnapshot(clock);
}
