#pragma once

#include <cstdint>
#include <string>

#include "core/platform/local_clock.h"

// The last reading of the local clock, all fields from one reading.
struct ClockSnapshot {
  std::int64_t now = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int day = 0;
  int month = 0;
  int year = 0;  // calendar year minus 2000
  std::string weekdayName;
  int daysInMonth = 0;
  std::string timeText;      // "HH:MM"
  std::string todayText;     // "DD/MM/YY"
  std::string tomorrowText;  // the next calendar day, "DD/MM/YY"
};

// Written only by the clock tick.
extern ClockSnapshot g_clockSnapshot;

// One reading of the clock and everything derived from it.
ClockSnapshot ReadClockSnapshot(const LocalClock& clock);
// The snapshot a reading at the given moment gives.
ClockSnapshot SnapshotAt(const LocalClock& clock, std::int64_t moment);
// "HH:MM   Weekday   DD/MM/YY" (month first when dateFormat is not 0).
std::string ClockLineText(const ClockSnapshot& snapshot, int dateFormat);
// Decimal with one leading "0" below 10.
std::string TwoDigits(int value);
