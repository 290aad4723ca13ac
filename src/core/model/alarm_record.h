#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/phrase.h"

// One alarm call: five texts with the fixed forms every part compares against.
struct AlarmRecord {
  std::string type;  // a stored kind's type text (alarm_kind.h); "Error"; empty when free
  std::string day;   // "Monday" ... "Sunday", "None", empty; "error"
  std::string time;  // "HH:MM"
  std::string date;  // day-first "DD/MM/YY", a day of the month, a week "1".."4"/"Last", or empty
  std::string text;  // empty, the marker "$%&", or lines each followed by "|"

  bool operator==(const AlarmRecord&) const = default;
};

// The weekday names a record's day and the clock use, Sunday first: the day
// codes "1" .. "7" of the file follow this order.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    TOCK_TR_NOOP("Weekday", "Sunday"),   TOCK_TR_NOOP("Weekday", "Monday"),
    TOCK_TR_NOOP("Weekday", "Tuesday"),  TOCK_TR_NOOP("Weekday", "Wednesday"),
    TOCK_TR_NOOP("Weekday", "Thursday"), TOCK_TR_NOOP("Weekday", "Friday"),
    TOCK_TR_NOOP("Weekday", "Saturday")};

// The marker a brand-new record carries until the list has found it.
inline constexpr std::string_view kNewAlarmMarker = "$%&";
