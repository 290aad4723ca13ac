#include "core/scheduler/due_pass.h"

#include <utility>

#include "core/scheduler/calendar_rules.h"
#include "core/scheduler/minute_walk.h"

bool IsAlarmDue(const AlarmRecord& record, const ClockSnapshot& snapshot) {
  if (record.type.empty()) return false;
  if (record.time != snapshot.timeText) return false;
  return TypeAcceptsDay(record, snapshot);
}

DueFinder::DueFinder(std::vector<bool> eligible) : m_eligible(std::move(eligible)) {}

void DueFinder::Examine(const ClockSnapshot& minute) {
  for (int i = 0; i < g_alarms.count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (m_found[k] || (!m_eligible.empty() && (k >= m_eligible.size() || !m_eligible[k]))) {
      continue;
    }
    if (!IsAlarmDue(g_alarms.records[k], minute)) continue;
    m_found[k] = true;
    m_due.push_back(DueAlarm{i, g_alarms.records[k]});
  }
}

void DueFinder::Walk(const LocalClock& clock, std::int64_t firstMinute, std::int64_t endMinute) {
  WalkMinutes(clock, firstMinute * kSecondsPerMinute, endMinute * kSecondsPerMinute, AlarmMinutes(),
              [&](std::int64_t moment) { Examine(SnapshotAt(clock, moment)); });
}

void RunDuePass(const ClockSnapshot& snapshot, const std::function<void(int)>& fire,
                const std::function<void(int)>& remove) {
  // The caller may pass the live snapshot, which nested ticks overwrite while
  // fire(i) runs; the pass keeps the minute it started in.
  DueFinder finder;
  finder.Examine(snapshot);
  FireEachOnce(finder.due(), fire, remove);
}
