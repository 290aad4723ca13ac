#include "core/list/alarm_description.h"

#include <array>
#include <optional>

#include "core/model/alarm_kind.h"
#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"

namespace {

// A Weekly record's short form, in the order of kWeekdayNames.
constexpr std::array<const char*, 7> kEachWeekday = {
    TOCK_TR_NOOP("Weekly", "Sundays"),   TOCK_TR_NOOP("Weekly", "Mondays"),
    TOCK_TR_NOOP("Weekly", "Tuesdays"),  TOCK_TR_NOOP("Weekly", "Wednesdays"),
    TOCK_TR_NOOP("Weekly", "Thursdays"), TOCK_TR_NOOP("Weekly", "Fridays"),
    TOCK_TR_NOOP("Weekly", "Saturdays")};

// Each day of the month as the day-of-month form names it, whole, so that each
// language writes its own ordinals.
constexpr std::array<const char*, 31> kDaysOfMonth = {
    TOCK_TR_NOOP("Day of month", "1st"),  TOCK_TR_NOOP("Day of month", "2nd"),
    TOCK_TR_NOOP("Day of month", "3rd"),  TOCK_TR_NOOP("Day of month", "4th"),
    TOCK_TR_NOOP("Day of month", "5th"),  TOCK_TR_NOOP("Day of month", "6th"),
    TOCK_TR_NOOP("Day of month", "7th"),  TOCK_TR_NOOP("Day of month", "8th"),
    TOCK_TR_NOOP("Day of month", "9th"),  TOCK_TR_NOOP("Day of month", "10th"),
    TOCK_TR_NOOP("Day of month", "11th"), TOCK_TR_NOOP("Day of month", "12th"),
    TOCK_TR_NOOP("Day of month", "13th"), TOCK_TR_NOOP("Day of month", "14th"),
    TOCK_TR_NOOP("Day of month", "15th"), TOCK_TR_NOOP("Day of month", "16th"),
    TOCK_TR_NOOP("Day of month", "17th"), TOCK_TR_NOOP("Day of month", "18th"),
    TOCK_TR_NOOP("Day of month", "19th"), TOCK_TR_NOOP("Day of month", "20th"),
    TOCK_TR_NOOP("Day of month", "21st"), TOCK_TR_NOOP("Day of month", "22nd"),
    TOCK_TR_NOOP("Day of month", "23rd"), TOCK_TR_NOOP("Day of month", "24th"),
    TOCK_TR_NOOP("Day of month", "25th"), TOCK_TR_NOOP("Day of month", "26th"),
    TOCK_TR_NOOP("Day of month", "27th"), TOCK_TR_NOOP("Day of month", "28th"),
    TOCK_TR_NOOP("Day of month", "29th"), TOCK_TR_NOOP("Day of month", "30th"),
    TOCK_TR_NOOP("Day of month", "31st")};

// The weeks of a week-in-month form, "1" .. "4" and "Last".
constexpr std::array<const char*, 5> kWeeks = {
    TOCK_TR_NOOP("Week in month", "1st"), TOCK_TR_NOOP("Week in month", "2nd"),
    TOCK_TR_NOOP("Week in month", "3rd"), TOCK_TR_NOOP("Week in month", "4th"),
    TOCK_TR_NOOP("Week in month", "Last")};

// The place of a number text "1" .. "count" (no leading nought), or -1.
int NumberIndex(const std::string& text, int count) {
  for (int n = 1; n <= count; ++n)
    if (text == std::to_string(n)) return n - 1;
  return -1;
}

int WeekdayIndex(const std::string& day) {
  for (std::size_t k = 0; k < kWeekdayNames.size(); ++k)
    if (kWeekdayNames[k] == day) return static_cast<int>(k);
  return -1;
}

// A weekday in running text; a day no weekday has as it stands.
Phrase WeekdayPhrase(const std::string& day) {
  const int k = WeekdayIndex(day);
  return k < 0 ? Plain(day) : Marked("Weekday", std::string(kWeekdayNames[k]));
}

// A One Date record: "Today", "Tomorrow" or the date in display order.
Phrase DescribeOneDate(const AlarmRecord& record, const ClockSnapshot& clock,
                       DateFormat dateFormat) {
  if (record.date == clock.todayText) return Marked("Choice", "Today");
  if (record.date == clock.tomorrowText) return Marked("Choice", "Tomorrow");
  return Plain(SwapDateOrder(record.date, dateFormat));
}

// "Tuesdays": a Weekly record's short form.
Phrase DescribeEachWeekday(const AlarmRecord& record) {
  const int k = WeekdayIndex(record.day);
  return k < 0 ? Plain(record.day + "s") : Marked("Weekly", kEachWeekday[k]);
}

// "21st of the month": a Monthly record in its day-of-month form.
Phrase DescribeDayOfMonth(const AlarmRecord& record) {
  const int n = NumberIndex(record.date, 31);
  const Phrase day = n < 0 ? Plain(record.date + OrdinalSuffix(record.date))
                           : Marked("Day of month", kDaysOfMonth[n]);
  return Marked("Description", TOCK_TR_NOOP("Description", "%1 of the month"), {day});
}

// "2nd", "Last": the week of a week-in-month form. The long form gives a
// suffix to the week numbers 1-4 only.
Phrase WeekPhrase(const AlarmRecord& record, bool weekNumbersOnly) {
  if (record.date == "Last") return Marked("Week in month", kWeeks[4]);
  const int n = NumberIndex(record.date, 4);
  if (n >= 0) return Marked("Week in month", kWeeks[n]);
  return Plain(weekNumbersOnly ? record.date : record.date + OrdinalSuffix(record.date));
}

// "2nd Tuesday", "Last Friday in the month": a Monthly record in its
// week-in-month form.
Phrase DescribeWeekInMonth(const AlarmRecord& record, bool longForm) {
  const Phrase week = WeekPhrase(record, longForm);
  if (longForm)
    return Marked("Week in month", TOCK_TR_NOOP("Week in month", "%1 %2 in the month"),
                  {week, WeekdayPhrase(record.day)});
  return Marked("Week in month", TOCK_TR_NOOP("Week in month", "%1 %2"),
                {week, WeekdayPhrase(record.day)});
}

}  // namespace

std::string OrdinalSuffix(const std::string& date) {
  if (date == "Last") return "";
  if (date == "1" || date == "21" || date == "31") return "st";
  if (date == "2" || date == "22") return "nd";
  if (date == "3" || date == "23") return "rd";
  return "th";
}

namespace {

// The list row's short form, or the alarm text dialog's long one; nullopt for a
// type no kind has.
std::optional<Phrase> DescribeKind(const AlarmRecord& record, const ClockSnapshot& clock,
                                   DateFormat dateFormat, bool longForm) {
  const KindRow* row = FindStoredKind(record.type);
  if (row == nullptr) return std::nullopt;
  switch (row->kind) {
    case AlarmKind::kToday:
    case AlarmKind::kTomorrow:
    case AlarmKind::kOneDate:
      return DescribeOneDate(record, clock, dateFormat);
    case AlarmKind::kDaily:
      return Marked("Choice", "Daily");
    case AlarmKind::kWeekly:
      return longForm ? Marked("Description", TOCK_TR_NOOP("Description", "Every %1"),
                               {WeekdayPhrase(record.day)})
                      : DescribeEachWeekday(record);
    case AlarmKind::kFortnightly:
      return Marked("Description",
                    longForm ? TOCK_TR_NOOP("Description", "Fortnightly from %1")
                             : TOCK_TR_NOOP("Description", "Fort. from %1"),
                    {Plain(SwapDateOrder(record.date, dateFormat))});
    case AlarmKind::kMonthly:
      if (record.day == "None") return DescribeDayOfMonth(record);
      return DescribeWeekInMonth(record, longForm);
  }
  return std::nullopt;
}

}  // namespace

Phrase DescribeRecordPhrase(const AlarmRecord& record, const ClockSnapshot& clock,
                            DateFormat dateFormat) {
  return DescribeKind(record, clock, dateFormat, false).value_or(Plain(""));
}

Phrase DescribeAlarmLongPhrase(const AlarmRecord& record, const ClockSnapshot& clock,
                               DateFormat dateFormat) {
  const Phrase type =
      record.type == kErrorType ? Marked("Description", record.type) : Plain(record.type);
  return DescribeKind(record, clock, dateFormat, true).value_or(type);
}

Phrase DescribeAlarmPhrase(const AlarmTable& table, int i, const ClockSnapshot& clock,
                           DateFormat dateFormat) {
  if (i < 0 || i >= table.Count() || i >= kMaxAlarms) return Plain("");
  return DescribeRecordPhrase(table.At(i), clock, dateFormat);
}

std::string DescribeRecord(const AlarmRecord& record, const ClockSnapshot& clock,
                           DateFormat dateFormat) {
  return English(DescribeRecordPhrase(record, clock, dateFormat));
}

std::string DescribeAlarmLong(const AlarmRecord& record, const ClockSnapshot& clock,
                              DateFormat dateFormat) {
  return English(DescribeAlarmLongPhrase(record, clock, dateFormat));
}

std::string DescribeAlarm(const AlarmTable& table, int i, const ClockSnapshot& clock,
                          DateFormat dateFormat) {
  return English(DescribeAlarmPhrase(table, i, clock, dateFormat));
}
