#include "core/scheduler/due_pass.h"

#include <utility>

#include "core/scheduler/calendar_rules.h"
#include "core/scheduler/minute_walk.h"

bool IsAlarmDue(const AlarmRecord& record, const ClockSnapshot& snapshot) {
  if (record.type.empty()) return false;
  if (record.time != snapshot.timeText) return false;
  return TypeAcceptsDay(record, snapshot);
}

DueFinder::DueFinder(const AlarmTable& table, std::vector<bool> eligible)
    : m_table(table), m_eligible(std::move(eligible)) {}

void DueFinder::Examine(const ClockSnapshot& minute) {
  for (int i = 0; i < m_table.Count(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (m_found[k] || (!m_eligible.empty() && (k >= m_eligible.size() || !m_eligible[k]))) {
      continue;
    }
    if (!IsAlarmDue(m_table.At(i), minute)) continue;
    m_found[k] = true;
    m_due.push_back(DueAlarm{i, m_table.At(i), MinuteOf(minute.now)});
  }
}

void DueFinder::Walk(const LocalClock& clock, std::int64_t firstMinute, std::int64_t endMinute) {
  WalkMinutes(clock, firstMinute * kSecondsPerMinute, endMinute * kSecondsPerMinute,
              AlarmMinutes(m_table),
              [&](std::int64_t moment) { Examine(SnapshotAt(clock, moment)); });
}

void RunDuePass(const AlarmTable& table, const ClockSnapshot& snapshot,
                const std::function<void(int)>& fire, const std::function<void(int)>& remove) {
  // The caller may pass the live snapshot, which nested ticks overwrite while
  // fire(i) runs; the pass keeps the minute it started in.
  DueFinder finder(table);
  finder.Examine(snapshot);
  FireEachOnce(
      table, finder.due(), [&](int i, std::int64_t) { fire(i); }, remove);
}
