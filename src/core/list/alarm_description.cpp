#include "core/list/alarm_description.h"

#include <optional>

#include "core/model/alarm_kind.h"
#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"

namespace {

// A One Date record: "Today", "Tomorrow" or the date in display order.
std::string DescribeOneDate(const AlarmRecord& record, const ClockSnapshot& clock,
                            DateFormat dateFormat) {
  if (record.date == clock.todayText) return "Today";
  if (record.date == clock.tomorrowText) return "Tomorrow";
  return SwapDateOrder(record.date, dateFormat);
}

// "21st of the month": a Monthly record in its day-of-month form.
std::string DescribeDayOfMonth(const AlarmRecord& record) {
  return record.date + OrdinalSuffix(record.date) + " of the month";
}

// "2nd Tuesday", "Last Friday": a Monthly record in its week-in-month form.
// The long form gives a suffix to the week numbers 1-4 only.
std::string DescribeWeekInMonth(const AlarmRecord& record, bool weekNumbersOnly) {
  const bool weekNumber = record.date.size() == 1 && record.date[0] >= '1' && record.date[0] <= '4';
  const std::string suffix = weekNumbersOnly && !weekNumber ? "" : OrdinalSuffix(record.date);
  return record.date + suffix + " " + record.day;
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
std::optional<std::string> DescribeKind(const AlarmRecord& record, const ClockSnapshot& clock,
                                        DateFormat dateFormat, bool longForm) {
  const KindRow* row = FindStoredKind(record.type);
  if (row == nullptr) return std::nullopt;
  switch (row->kind) {
    case AlarmKind::kToday:
    case AlarmKind::kTomorrow:
    case AlarmKind::kOneDate:
      return DescribeOneDate(record, clock, dateFormat);
    case AlarmKind::kDaily:
      return "Daily";
    case AlarmKind::kWeekly:
      return longForm ? "Every " + record.day : record.day + "s";
    case AlarmKind::kFortnightly:
      return (longForm ? "Fortnightly from " : "Fort. from ") +
             SwapDateOrder(record.date, dateFormat);
    case AlarmKind::kMonthly:
      if (record.day == "None") return DescribeDayOfMonth(record);
      return longForm ? DescribeWeekInMonth(record, true) + " in the month"
                      : DescribeWeekInMonth(record, false);
  }
  return std::nullopt;
}

}  // namespace

std::string DescribeRecord(const AlarmRecord& record, const ClockSnapshot& clock,
                           DateFormat dateFormat) {
  return DescribeKind(record, clock, dateFormat, false).value_or("");
}

std::string DescribeAlarmLong(const AlarmRecord& record, const ClockSnapshot& clock,
                              DateFormat dateFormat) {
  return DescribeKind(record, clock, dateFormat, true).value_or(record.type);
}

std::string DescribeAlarm(const AlarmTable& table, int i, const ClockSnapshot& clock,
                          DateFormat dateFormat) {
  if (i < 0 || i >= table.Count() || i >= kMaxAlarms) return "";
  return DescribeRecord(table.At(i), clock, dateFormat);
}
