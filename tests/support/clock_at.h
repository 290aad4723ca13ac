#pragma once

#include "core/platform/local_clock.h"
#include "core/scheduler/clock_snapshot.h"

// The snapshot the clock tick takes at a local date and time (full year).
inline ClockSnapshot ClockAt(int year, int month, int day, int hour, int minute) {
  FakeClock clock;
  clock.Set(clock.FromLocal(year, month, day, hour, minute, 0));
  return ReadClockSnapshot(clock);
}
