#pragma once

#include <optional>
#include <string>

#include "core/model/date_format.h"
#include "core/model/phrase.h"
#include "core/scheduler/clock_reading.h"
#include "core/store/alarm_table.h"

// The four values of the "Set a new Alarm Call:" form.
struct AlarmForm {
  std::string time;
  std::string type;
  std::string day;
  std::string date;
};

inline constexpr const char* kTableFullMessage =
    TOCK_TR_NOOP("Message", "You already have the max of 12 alarms.");

// The checks of Add after the form has been read, in their fixed order: the
// message of the first that fails, or an empty text when the entry may be added.
std::string CheckNewAlarm(const AlarmForm& form, const ClockSnapshot& clock, DateFormat dateFormat);

// The date text Add hands on for a form that passed the checks: for Monthly a
// leading zero is dropped ("05" -> "5") and "last" in any letter case becomes
// "Last"; other types keep their date as typed.
std::string NormalisedFormDate(const AlarmForm& form);

// The alarm Add adds for a form that passed the checks: its kind's row and the
// normalised date; none for a type no kind has.
std::optional<NewAlarm> CheckedAlarm(const AlarmForm& form);
