#include "core/entry/form_preset.h"

#include <string_view>

#include "core/entry/typing_filter.h"
#include "core/model/alarm_kind.h"
#include "core/store/alarm_line.h"

namespace {

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
  const KindRow* row = FindFormKind(type);
  if (row == nullptr) return form;
  form.dayEnabled = row->dayField != DayField::None;
  form.day = row->presetDay;
  form.dateReadOnly = row->dateReadOnly;
  SetDate(form, PresetDate(row->datePreset, clock, dateFormat));
  form.dateLabel = row->dateLabel;
  return form;
}

FormPreset PresetForMonthlyDay(const std::string& day, const FormPreset& current,
                               const ClockSnapshot& clock) {
  FormPreset form = current;
  form.day = day;
  if (day == "None") {
    SetDate(form, DayOfMonthText(clock));
    form.dateLabel = TOCK_TR_NOOP("Date label", "Day of month:");
  } else {
    SetDate(form, "1");
    form.dateLabel = TOCK_TR_NOOP("Date label", "Week in month:");
  }
  return form;
}
