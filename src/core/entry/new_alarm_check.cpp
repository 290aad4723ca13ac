#include "core/entry/new_alarm_check.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "core/model/alarm_kind.h"
#include "core/model/alarm_record.h"
#include "core/platform/simple_number.h"
#include "core/platform/text_parts.h"
#include "core/scheduler/civil_date.h"

namespace {

struct ClockTime {
  int hours;
  int minutes;
};

struct CalendarDate {
  int day;
  int month;
  int year;
};

template <std::size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// "last" in any letter case.
bool IsLast(std::string_view text) {
  return EqualsNoCase(text, "last");
}

// A whole number of digits only, from low to high.
bool IsNumberBetween(std::string_view text, int low, int high) {
  if (!AllDigits(text)) return false;
  const int value = ReadNumber(text);
  return value >= low && value <= high;
}

// "HH:MM" with digits only around the colon.
bool IsTimeForm(std::string_view time) {
  return time.size() == 5 && time[2] == ':' && AllDigits(time.substr(0, 2)) &&
         AllDigits(time.substr(3, 2));
}

ClockTime ReadTime(std::string_view time) {
  return {ReadNumber(time.substr(0, 2)), ReadNumber(time.substr(3, 2))};
}

bool IsValidTime(std::string_view time) {
  if (!IsTimeForm(time)) return false;
  const ClockTime t = ReadTime(time);
  return t.hours <= 23 && t.minutes <= 59;
}

// Later than the clock's current minute.
bool IsLaterToday(const ClockTime& t, const ClockSnapshot& clock) {
  return t.hours > clock.hour || (t.hours == clock.hour && t.minutes > clock.minute);
}

// Two digits, "/", two digits, "/", two digits.
bool IsDateForm(std::string_view date) {
  return date.size() == 8 && date[2] == '/' && date[5] == '/' && AllDigits(date.substr(0, 2)) &&
         AllDigits(date.substr(3, 2)) && AllDigits(date.substr(6, 2));
}

// A date typed in display order: month first under the U.S. order.
CalendarDate ReadDisplayDate(std::string_view date, DateFormat dateFormat) {
  const int first = ReadNumber(date.substr(0, 2));
  const int second = ReadNumber(date.substr(3, 2));
  const int year = ReadNumber(date.substr(6, 2));
  if (dateFormat == DateFormat::Us) return {second, first, year};
  return {first, second, year};
}

// Two-digit years stand for 2000-2099, where the Gregorian rule is "every
// fourth year", 00 included.
bool IsCalendarDate(const CalendarDate& d) {
  return IsRealDate(2000 + d.year, d.month, d.day);
}

// Negative, zero or positive as the date lies before, on or after the clock's today.
int CompareWithToday(const CalendarDate& d, const ClockSnapshot& clock) {
  if (d.year != clock.year) return d.year < clock.year ? -1 : 1;
  if (d.month != clock.month) return d.month < clock.month ? -1 : 1;
  if (d.day != clock.day) return d.day < clock.day ? -1 : 1;
  return 0;
}

std::string CheckTime(const AlarmForm& form, const ClockSnapshot&, DateFormat) {
  return IsValidTime(form.time) ? "" : TOCK_TR_NOOP("Message", "Time must be HH:MM.");
}

std::string CheckType(const AlarmForm& form, const ClockSnapshot&, DateFormat) {
  return FindFormKind(form.type) != nullptr ? "" : TOCK_TR_NOOP("Message", "No type selected.");
}

// A weekday where the kind takes one, or "None" where it may.
std::string CheckDay(const AlarmForm& form, const ClockSnapshot&, DateFormat) {
  const bool weekday = IsOneOf(form.day, kWeekdayNames);
  switch (DayFieldOf(form.type)) {
    case DayField::None:
      return "";
    case DayField::Weekday:
      return weekday ? "" : TOCK_TR_NOOP("Message", "No day of week selected.");
    case DayField::WeekdayOrNone:
      return weekday || form.day == "None" ? ""
                                           : TOCK_TR_NOOP("Message", "No day of week selected.");
  }
  return "";
}

std::string CheckDateGiven(const AlarmForm& form, const ClockSnapshot&, DateFormat) {
  if (!form.date.empty()) return "";
  switch (DateFieldOf(form.type)) {
    case DateField::None:
      return "";
    case DateField::Date:
      return TOCK_TR_NOOP("Message", "No date selected.");
    case DateField::StartDate:
      return TOCK_TR_NOOP("Message", "No start date selected.");
    case DateField::DayOrWeek:
      return TOCK_TR_NOOP("Message", "No day of month selected.");
  }
  return "";
}

// A calendar date (a date or a start date): a real date, today or later, and if
// today a later time.
std::string CheckCalendarDate(const AlarmForm& form, const ClockSnapshot& clock,
                              DateFormat dateFormat) {
  const DateField field = DateFieldOf(form.type);
  if (field != DateField::Date && field != DateField::StartDate) return "";
  if (!IsDateForm(form.date)) {
    return dateFormat == DateFormat::Us ? TOCK_TR_NOOP("Message", "Date must be MM/DD/YY.")
                                        : TOCK_TR_NOOP("Message", "Date must be DD/MM/YY.");
  }
  const CalendarDate date = ReadDisplayDate(form.date, dateFormat);
  if (!IsCalendarDate(date)) return TOCK_TR_NOOP("Message", "Invalid date.");
  const int sinceToday = CompareWithToday(date, clock);
  if (sinceToday < 0) return TOCK_TR_NOOP("Message", "Invalid date.");
  if (sinceToday == 0 && !IsLaterToday(ReadTime(form.time), clock))
    return TOCK_TR_NOOP("Message", "Invalid date/time.");
  return "";
}

// A kind fixed to today's date: a time later today.
std::string CheckToday(const AlarmForm& form, const ClockSnapshot& clock, DateFormat) {
  const KindRow* row = FindFormKind(form.type);
  if (row == nullptr || row->dateField != DateField::None || row->datePreset != DatePreset::Today)
    return "";
  return IsLaterToday(ReadTime(form.time), clock) ? "" : TOCK_TR_NOOP("Message", "Invalid time.");
}

// A day of the month 1-31, or with a weekday a week 1-4 or "last".
std::string CheckDayOrWeek(const AlarmForm& form, const ClockSnapshot&, DateFormat) {
  if (DateFieldOf(form.type) != DateField::DayOrWeek) return "";
  if (form.day == "None") {
    return IsNumberBetween(form.date, 1, 31) ? ""
                                             : TOCK_TR_NOOP("Message", "Invalid day of month.");
  }
  if (IsLast(form.date) || IsNumberBetween(form.date, 1, 4)) return "";
  return TOCK_TR_NOOP("Message", "Invalid week in the month.");
}

using Check = std::string (*)(const AlarmForm&, const ClockSnapshot&, DateFormat);

// In this order; each check may rely on the ones before it having passed.
constexpr std::array<Check, 7> kChecks{CheckTime,         CheckType,  CheckDay,      CheckDateGiven,
                                       CheckCalendarDate, CheckToday, CheckDayOrWeek};

}  // namespace

std::string CheckNewAlarm(const AlarmForm& form, const ClockSnapshot& clock,
                          DateFormat dateFormat) {
  for (Check check : kChecks) {
    std::string message = check(form, clock, dateFormat);
    if (!message.empty()) return message;
  }
  return "";
}

std::string NormalisedFormDate(const AlarmForm& form) {
  if (DateFieldOf(form.type) != DateField::DayOrWeek) return form.date;
  if (IsLast(form.date)) return "Last";
  if (AllDigits(form.date)) return std::to_string(ReadNumber(form.date));
  return form.date;
}

std::optional<NewAlarm> CheckedAlarm(const AlarmForm& form) {
  const KindRow* row = FindFormKind(form.type);
  if (row == nullptr) return std::nullopt;
  return NewAlarm{form.time, row->kind, form.day, NormalisedFormDate(form)};
}
