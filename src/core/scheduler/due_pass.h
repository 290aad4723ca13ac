#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/pass_step.h"
#include "core/store/alarm_table.h"

// Whether a record's time is the snapshot's minute and its type accepts the day.
bool IsAlarmDue(const AlarmRecord& record, const ClockSnapshot& snapshot);

// Collects the entries of a table due at the minutes it is shown, each once,
// in the order of the first minute it is due in (table order within one
// minute). It only reads the table: what is due is known before anything
// fires, so firing, removing and re-sorting cannot make a pass skip an alarm
// or meet one twice, whatever the order of the table.
class DueFinder {
 public:
  // Only the entries marked in `eligible` are looked at; all when it is empty.
  explicit DueFinder(const AlarmTable& table, std::vector<bool> eligible = {});

  void Examine(const ClockSnapshot& minute);
  // Examines each whole minute of real time from firstMinute up to before
  // endMinute (minutes since the epoch), each by its own local time.
  void Walk(const LocalClock& clock, std::int64_t firstMinute, std::int64_t endMinute);

  const std::vector<DueAlarm>& due() const { return m_due; }

 private:
  const AlarmTable& m_table;
  std::vector<bool> m_eligible;
  std::array<bool, kMaxAlarms> m_found{};
  std::vector<DueAlarm> m_due;
};

// The due check of one minute: what is due at the snapshot's minute, then
// each fired once (FireEachOnce). fire(i) shows the alarm at i (it may run
// nested passes before it returns); remove(i) deletes a fired one-off alarm.
void RunDuePass(const AlarmTable& table, const ClockSnapshot& snapshot,
                const std::function<void(int)>& fire, const std::function<void(int)>& remove);
