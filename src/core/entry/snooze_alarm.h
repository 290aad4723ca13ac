#pragma once

#include <cstdint>
#include <string>

#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"

inline constexpr int kSnoozeMinutes = 10;

// The one-off alarm that calls again the given minutes after the moment now:
// its time is the local time then (so a night the clocks change counts real
// minutes), Today, or Tomorrow when that is past midnight.
NewAlarm SnoozeForm(const LocalClock& clock, std::int64_t now, int minutes = kSnoozeMinutes);

// What adding a snoozed alarm came to: where it is in the table, or -1 with
// the message to show (empty when the table already told of a failed save).
struct SnoozeAdded {
  int index = -1;
  std::string message;
};

// Adds the snoozed alarm with the wake-up text and commits it as Add does
// (AddAlarm): a change of alarms.txt is read in first.
SnoozeAdded AddSnoozedAlarm(AlarmTable& table, const std::string& text, const LocalClock& clock,
                            int minutes = kSnoozeMinutes);
