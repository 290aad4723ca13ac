#include "core/entry/form_preset.h"

#include <array>
#include <string_view>

#include "core/entry/typing_filter.h"
#include "core/model/alarm_type.h"
#include "core/store/alarm_line.h"

namespace {

// What the date field is preset to for a type.
enum class DatePreset { Empty, Today, Tomorrow, DayOfMonth };

struct TypeRow {
  std::string_view type;
  bool dayEnabled;
  std::string_view day;
  bool dateReadOnly;
  DatePreset date;
  std::string_view dateLabel;
};

// The form for each choice of the Type box, in the order they are tested.
constexpr std::array<TypeRow, 7> kTypeRows{{
    {AlarmType::kToday, false, "", true, DatePreset::Today, "Date:"},
    {AlarmType::kTomorrow, false, "", true, DatePreset::Tomorrow, "Date:"},
    {AlarmType::kDaily, false, "", true, DatePreset::Empty, "Date:"},
    {AlarmType::kWeekly, true, "Monday", true, DatePreset::Empty, "Date:"},
    {AlarmType::kFortnightly, false, "", false, DatePreset::Today, "From Date:"},
    {AlarmType::kMonthly, true, "None", false, DatePreset::DayOfMonth, "Day of month:"},
    {AlarmType::kOneDate, false, "", false, DatePreset::Today, "Date:"},
}};

// Today's day of the month as the Monthly field shows it: no leading zero.
std::string DayOfMonthText(const ClockSnapshot& clock) {
  return std::to_string(clock.day);
}

std::string PresetDate(DatePreset preset, const ClockSnapshot& clock, DateFormat dateFormat) {
  switch (preset) {
    case DatePreset::Today:
      return SwapDateOrder(clock.todayText, dateFormat);
    case DatePreset::Tomorrow:
      return SwapDateOrder(clock.tomorrowText, dateFormat);
    case DatePreset::DayOfMonth:
      return DayOfMonthText(clock);
    case DatePreset::Empty:
      break;
  }
  return {};
}

// Puts a new date into the form with the typing counter that matches it.
void SetDate(FormPreset& form, std::string date) {
  form.date = std::move(date);
  form.dateKeyCount = KeyCountForText(form.date);
}

}  // namespace

FormPreset PresetForType(const std::string& type, const FormPreset& current,
                         const ClockSnapshot& clock, DateFormat dateFormat) {
  FormPreset form = current;
  for (const TypeRow& row : kTypeRows) {
    if (row.type != type) continue;
    form.dayEnabled = row.dayEnabled;
    form.day = row.day;
    form.dateReadOnly = row.dateReadOnly;
    SetDate(form, PresetDate(row.date, clock, dateFormat));
    form.dateLabel = row.dateLabel;
    break;
  }
  return form;
}

FormPreset PresetForMonthlyDay(const std::string& day, const FormPreset& current,
                               const ClockSnapshot& clock) {
  FormPreset form = current;
  form.day = day;
  if (day == "None") {
    SetDate(form, DayOfMonthText(clock));
    form.dateLabel = "Day of month:";
  } else {
    SetDate(form, "1");
    form.dateLabel = "Week in month:";
  }
  return form;
}
