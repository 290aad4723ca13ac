#include "gui/list/shown_texts.h"

#include <string>
#include <utility>
#include <vector>

#include "core/entry/form_preset.h"
#include "core/list/alarm_description.h"
#include "core/model/alarm_kind.h"
#include "core/model/clock_snapshot.h"
#include "gui/platform/translated_phrase.h"

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

// The Day box values and dates a record of a kind can hold.
std::vector<std::pair<std::string, std::string>> DaysAndDates(const KindRow& row) {
  std::vector<std::pair<std::string, std::string>> result;
  switch (row.dateField) {
    case DateField::None:
      if (row.dayField != DayField::Weekday) result.emplace_back("None", "");
      if (row.dayField != DayField::None) {
        for (std::string_view day : kWeekdayNames) result.emplace_back(std::string(day), "");
      }
      break;
    case DateField::Date:
    case DateField::StartDate:
      for (int n : RepeatedDigits()) result.emplace_back("None", DateOf(n));
      break;
    case DateField::DayOrWeek:
      for (std::string_view day : kWeekdayNames) {
        for (const char* week : kWeeks) result.emplace_back(std::string(day), week);
      }
      for (const std::string& date : DaysOfMonth()) result.emplace_back("None", date);
      break;
  }
  return result;
}

// One record of every stored kind, each date and weekday they can name, and
// one of a line read back as an error.
std::vector<AlarmRecord> EveryKindOfRecord() {
  std::vector<AlarmRecord> records{{std::string(kErrorType), "None", "", "", ""}};
  for (const KindRow& row : kKindRows) {
    if (!IsStored(row)) continue;
    for (const auto& [day, date] : DaysAndDates(row))
      records.push_back({std::string(row.typeText), day, "", date, ""});
  }
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
    for (DateFormat order : kOrders) texts << Translated(describe(record, clock, order));
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
      for (DateFormat order : kOrders) texts << Translated(ClockLinePhrase(clock, order));
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
  return DescribeEach(DescribeRecordPhrase);
}

QStringList LongDescriptionTexts() {
  return DescribeEach(DescribeAlarmLongPhrase);
}

QStringList DateLabelTexts() {
  QStringList texts;
  const ClockSnapshot clock;
  for (std::string_view type : kFormTypes)
    texts << TranslatedCore("Date label",
                            PresetForType(std::string(type), {}, clock, DateFormat::Uk).dateLabel);
  for (const char* day : {"None", "Monday"})
    texts << TranslatedCore("Date label", PresetForMonthlyDay(day, {}, clock).dateLabel);
  texts.removeDuplicates();
  return texts;
}
