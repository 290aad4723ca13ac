#pragma once

#include <string>

#include "core/model/date_format.h"
#include "core/scheduler/clock_reading.h"

// How the entry form looks for one choice in the Type box (and, for Monthly,
// the Day box).
struct FormPreset {
  bool dayEnabled = false;
  std::string day;  // the Day box's value
  bool dateReadOnly = true;
  std::string date;  // display order
  int dateKeyCount = 0;
  std::string dateLabel;  // "Date:", "From Date:", "Day of month:", "Week in month:"
};

// The row of the type table for a type; an unknown type leaves everything as
// given in current. Preset dates are shown in the order of dateFormat.
// dateKeyCount always matches the preset date's length.
FormPreset PresetForType(const std::string& type, const FormPreset& current,
                         const ClockSnapshot& clock, DateFormat dateFormat);
// The Monthly switch of the Day box: "None" gives today's day of the month and
// "Day of month:", a weekday gives "1" and "Week in month:".
FormPreset PresetForMonthlyDay(const std::string& day, const FormPreset& current,
                               const ClockSnapshot& clock);
