#pragma once

#include <cstdint>
#include <string>

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
