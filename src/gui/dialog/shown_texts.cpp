#include "gui/dialog/shown_texts.h"

#include <string>
#include <vector>

#include "core/entry/form_preset.h"
#include "core/list/alarm_description.h"
#include "core/model/alarm_type.h"
#include "core/scheduler/clock_snapshot.h"

namespace {

constexpr DateFormat kOrders[] = {DateFormat::Uk, DateFormat::Us};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// "dd" for each digit d.
std::vector<int> RepeatedDigits() {
  std::vector<int> numbers;
  for (int d = 0; d <= 9; ++d) numbers.push_back(11 * d);
  return numbers;
}

std::string Repeated(int number) {
  return TwoDigits(number);
}

std::string DateOf(int number) {
  return Repeated(number) + "/" + Repeated(number) + "/" + Repeated(number);
}

const char* const kWeeks[] = {"1", "2", "3", "4", "Last"};

// The days of the month a Monthly alarm names.
std::vector<std::string> DaysOfMonth() {
  std::vector<std::string> days;
  for (int day = 1; day <= 31; ++day) days.push_back(std::to_string(day));
  return days;
}

// One record of every kind, each date and weekday they can name.
std::vector<AlarmRecord> EveryKindOfRecord() {
  std::vector<AlarmRecord> records;
  for (std::string_view type : {AlarmType::kDaily, AlarmType::kError})
    records.push_back({std::string(type), "None", "", "", ""});
  for (int n : RepeatedDigits()) {
    records.push_back({std::string(AlarmType::kFortnightly), "None", "", DateOf(n), ""});
    records.push_back({std::string(AlarmType::kOneDate), "None", "", DateOf(n), ""});
  }
  for (std::string_view day : kWeekdayNames) {
    records.push_back({std::string(AlarmType::kWeekly), std::string(day), "", "", ""});
    for (const char* week : kWeeks)
      records.push_back({std::string(AlarmType::kMonthly), std::string(day), "", week, ""});
  }
  for (const std::string& date : DaysOfMonth())
    records.push_back({std::string(AlarmType::kMonthly), "None", "", date, ""});
  return records;
}

// A clock showing "Today" and "Tomorrow" for two of the one-off dates.
ClockSnapshot ClockWithNamedDays() {
  ClockSnapshot clock;
  clock.todayText = DateOf(0);
  clock.tomorrowText = DateOf(11);
  return clock;
}

template <typename Describe>
QStringList DescribeEach(Describe describe) {
  QStringList texts;
  const ClockSnapshot clock = ClockWithNamedDays();
  for (const AlarmRecord& record : EveryKindOfRecord()) {
    for (DateFormat order : kOrders) texts << Q(describe(record, clock, order));
  }
  texts.removeDuplicates();
  return texts;
}

}  // namespace

QStringList ClockLineTexts() {
  QStringList texts;
  for (int n : RepeatedDigits()) {
    ClockSnapshot clock;
    clock.hour = clock.minute = clock.day = clock.month = clock.year = n;
    for (std::string_view day : kWeekdayNames) {
      clock.weekdayName = std::string(day);
      for (DateFormat order : kOrders) texts << Q(ClockLineText(clock, order));
    }
  }
  return texts;
}

QStringList TimeTexts() {
  QStringList texts;
  for (int n : RepeatedDigits()) texts << Q(Repeated(n) + ":" + Repeated(n));
  return texts;
}

QStringList DateFieldTexts() {
  QStringList texts;
  for (int n : RepeatedDigits()) texts << Q(DateOf(n));
  for (const std::string& day : DaysOfMonth()) texts << Q(day);
  for (const char* week : kWeeks) texts << week;
  return texts;
}

QStringList RowDescriptionTexts() {
  return DescribeEach(DescribeRecord);
}

QStringList LongDescriptionTexts() {
  return DescribeEach(DescribeAlarmLong);
}

QStringList DateLabelTexts() {
  QStringList texts;
  const ClockSnapshot clock;
  for (std::string_view type : kFormTypes)
    texts << Q(PresetForType(std::string(type), {}, clock, DateFormat::Uk).dateLabel);
  for (const char* day : {"None", "Monday"})
    texts << Q(PresetForMonthlyDay(day, {}, clock).dateLabel);
  texts.removeDuplicates();
  return texts;
}
