#pragma once

#include <array>
#include <string_view>

// The type texts of an alarm record, compared as exact, case-sensitive texts.
namespace AlarmType {
inline constexpr std::string_view kOneDate = "One Date";
inline constexpr std::string_view kDaily = "Daily";
inline constexpr std::string_view kWeekly = "Weekly";
inline constexpr std::string_view kFortnightly = "Fortnightly";
inline constexpr std::string_view kMonthly = "Monthly";
// What a line with an unknown type code reads back as.
inline constexpr std::string_view kError = "Error";
// Two more choices of the entry form, both stored as kOneDate.
inline constexpr std::string_view kToday = "Today";
inline constexpr std::string_view kTomorrow = "Tomorrow";
}  // namespace AlarmType

// The choices of the entry form's Type box, in their order.
inline constexpr std::array<std::string_view, 7> kFormTypes = {
    AlarmType::kToday,       AlarmType::kTomorrow, AlarmType::kDaily,  AlarmType::kWeekly,
    AlarmType::kFortnightly, AlarmType::kMonthly,  AlarmType::kOneDate};

// A stored one-off alarm: removed when it fires or when its moment has passed.
inline bool IsOneOff(std::string_view type) {
  return type == AlarmType::kOneDate;
}
// A form choice for one day relative to today ("Today", "Tomorrow").
inline bool IsRelativeDay(std::string_view type) {
  return type == AlarmType::kToday || type == AlarmType::kTomorrow;
}
// A type whose date is a calendar date (a one-off date or a fortnight's start).
inline bool HasCalendarDate(std::string_view type) {
  return type == AlarmType::kOneDate || type == AlarmType::kFortnightly;
}
inline bool IsMonthly(std::string_view type) {
  return type == AlarmType::kMonthly;
}
