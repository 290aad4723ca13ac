#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/model/alarm_settings.h"
#include "core/model/phrase.h"

// The kinds of alarm call, in the order of the entry form's Type box. A new
// kind takes an enumerator and a row here, its day rule (TypeAcceptsDay in
// core/scheduler/calendar_rules.cpp) and its descriptions
// (core/list/alarm_description.cpp); the compiler names each switch that
// misses it.
enum class AlarmKind { kToday, kTomorrow, kDaily, kWeekly, kFortnightly, kMonthly, kOneDate };

// The date a kind takes.
enum class DateField {
  None,       // none typed: the date field is read-only
  Date,       // a calendar date, stored day first "DD/MM/YY"
  StartDate,  // the calendar date of the first day, stored day first "DD/MM/YY"
  DayOrWeek,  // a day of the month "1".."31", or with a weekday a week "1".."4" or "Last"
};

// The choice a kind takes in the Day box.
enum class DayField {
  None,           // the Day box is disabled
  Weekday,        // "Monday" ... "Sunday"
  WeekdayOrNone,  // a weekday, or "None"
};

// What the date field shows when the kind is chosen.
enum class DatePreset { Empty, Today, Tomorrow, DayOfMonth };

struct KindRow {
  AlarmKind kind;
  // The Type box's text; for a stored kind also the type text of its records.
  std::string_view typeText;
  // The kind a record made from this choice is stored as.
  AlarmKind storedAs;
  // The type code of its line in alarms.txt; weekLineCode when the date is a
  // week in the month rather than a day of it (the same code for other kinds).
  char lineCode;
  char weekLineCode;
  DateField dateField;
  DayField dayField;
  // Removed when it fires or when its moment has passed.
  bool oneOff;
  // The setting that holds the pop-up's colour.
  int AlarmSettings::*colour;
  // The entry form's preset: the Day box's value, the date field.
  std::string_view presetDay;
  bool dateReadOnly;
  DatePreset datePreset;
  std::string_view dateLabel;
};

// One row per kind, in the order of the enumeration. Columns: kind, type text,
// stored as, line code, week line code, date field, day field, one-off, colour
// setting, preset day, date read-only, date preset, date label.
inline constexpr std::array<KindRow, 7> kKindRows{{
    {AlarmKind::kToday, TOCK_TR_NOOP("Choice", "Today"), AlarmKind::kOneDate, '0', '0',
     DateField::None, DayField::None, true, &AlarmSettings::OColour, "", true, DatePreset::Today,
     TOCK_TR_NOOP("Date label", "Date:")},
    {AlarmKind::kTomorrow, TOCK_TR_NOOP("Choice", "Tomorrow"), AlarmKind::kOneDate, '0', '0',
     DateField::None, DayField::None, true, &AlarmSettings::OColour, "", true, DatePreset::Tomorrow,
     TOCK_TR_NOOP("Date label", "Date:")},
    {AlarmKind::kDaily, TOCK_TR_NOOP("Choice", "Daily"), AlarmKind::kDaily, '1', '1',
     DateField::None, DayField::None, false, &AlarmSettings::DColour, "", true, DatePreset::Empty,
     TOCK_TR_NOOP("Date label", "Date:")},
    {AlarmKind::kWeekly, TOCK_TR_NOOP("Choice", "Weekly"), AlarmKind::kWeekly, '2', '2',
     DateField::None, DayField::Weekday, false, &AlarmSettings::WColour, "Monday", true,
     DatePreset::Empty, TOCK_TR_NOOP("Date label", "Date:")},
    {AlarmKind::kFortnightly, TOCK_TR_NOOP("Choice", "Fortnightly"), AlarmKind::kFortnightly, '3',
     '3', DateField::StartDate, DayField::None, false, &AlarmSettings::FColour, "", false,
     DatePreset::Today, TOCK_TR_NOOP("Date label", "From Date:")},
    {AlarmKind::kMonthly, TOCK_TR_NOOP("Choice", "Monthly"), AlarmKind::kMonthly, '4', '5',
     DateField::DayOrWeek, DayField::WeekdayOrNone, false, &AlarmSettings::MColour, "None", false,
     DatePreset::DayOfMonth, TOCK_TR_NOOP("Date label", "Day of month:")},
    {AlarmKind::kOneDate, TOCK_TR_NOOP("Choice", "One Date"), AlarmKind::kOneDate, '0', '0',
     DateField::Date, DayField::None, true, &AlarmSettings::OColour, "", false, DatePreset::Today,
     TOCK_TR_NOOP("Date label", "Date:")},
}};

// Each row stands at the place of its kind.
static_assert([] {
  for (std::size_t i = 0; i < kKindRows.size(); ++i)
    if (static_cast<std::size_t>(kKindRows[i].kind) != i) return false;
  return true;
}());

// What a line with an unknown type code reads back as.
inline constexpr std::string_view kErrorType = TOCK_TR_NOOP("Description", "Error");

constexpr const KindRow& RowOf(AlarmKind kind) {
  return kKindRows[static_cast<std::size_t>(kind)];
}

// A kind whose records are stored under its own type text.
constexpr bool IsStored(const KindRow& row) {
  return row.storedAs == row.kind;
}

// The row of a Type box text (compared exactly, case-sensitive); nullptr for a
// text that is no kind's.
constexpr const KindRow* FindFormKind(std::string_view typeText) {
  for (const KindRow& row : kKindRows)
    if (row.typeText == typeText) return &row;
  return nullptr;
}

// The row of a record's type text; nullptr for "Error" and any text no stored
// kind has.
constexpr const KindRow* FindStoredKind(std::string_view type) {
  const KindRow* row = FindFormKind(type);
  return row != nullptr && IsStored(*row) ? row : nullptr;
}

// The stored kind of a one-character line code; nullptr for any other code.
constexpr const KindRow* FindLineCode(std::string_view code) {
  if (code.size() != 1) return nullptr;
  for (const KindRow& row : kKindRows)
    if (IsStored(row) && (row.lineCode == code[0] || row.weekLineCode == code[0])) return &row;
  return nullptr;
}

// The date a Type box text takes; None for a text that is no kind's.
constexpr DateField DateFieldOf(std::string_view typeText) {
  const KindRow* row = FindFormKind(typeText);
  return row != nullptr ? row->dateField : DateField::None;
}

// The Day box choice a Type box text takes; None for a text that is no kind's.
constexpr DayField DayFieldOf(std::string_view typeText) {
  const KindRow* row = FindFormKind(typeText);
  return row != nullptr ? row->dayField : DayField::None;
}

// A stored one-off alarm: removed when it fires or when its moment has passed.
constexpr bool IsOneOff(std::string_view type) {
  const KindRow* row = FindStoredKind(type);
  return row != nullptr && row->oneOff;
}

// The choices of the entry form's Type box, in their order.
inline constexpr std::array<std::string_view, kKindRows.size()> kFormTypes = [] {
  std::array<std::string_view, kKindRows.size()> texts{};
  for (std::size_t i = 0; i < kKindRows.size(); ++i) texts[i] = kKindRows[i].typeText;
  return texts;
}();
