#include "core/scheduler/catch_up.h"

#include <vector>

#include "core/scheduler/due_pass.h"
#include "core/scheduler/minute_walk.h"
#include "core/store/alarm_table.h"

namespace {

// The entries of g_alarms that hold the records, one entry for each record.
std::vector<bool> EntriesHolding(const std::vector<AlarmRecord>& records) {
  std::vector<bool> marked(static_cast<std::size_t>(kMaxAlarms), false);
  for (const AlarmRecord& record : records) {
    for (int i = 0; i < g_alarms.count; ++i) {
      const auto k = static_cast<std::size_t>(i);
      if (marked[k] || g_alarms.records[k] != record) continue;
      marked[k] = true;
      break;
    }
  }
  return marked;
}

}  // namespace

void CheckMinutesSince(std::int64_t lastMinute, const ClockSnapshot& snapshot,
                       const LocalClock& clock, const std::function<void(int)>& fire,
                       const std::function<void(int)>& remove) {
  const std::int64_t minute = MinuteOf(snapshot.now);
  if (minute == lastMinute) return;
  if (minute > lastMinute + 1) {
    // The snapshot may be the live one, which nested ticks overwrite.
    const ClockSnapshot now = snapshot;
    DueFinder finder;
    finder.Walk(clock, lastMinute + 1, minute);
    finder.Examine(now);
    FireEachOnce(finder.due(), fire, remove);
    return;
  }
  RunDuePass(snapshot, fire, remove);
}

void CheckRecordsReadIn(const std::vector<AlarmRecord>& records, std::int64_t firstMinute,
                        std::int64_t lastMinute, const LocalClock& clock,
                        const std::function<void(int)>& fire,
                        const std::function<void(int)>& remove) {
  if (records.empty() || lastMinute < firstMinute) return;
  DueFinder finder(EntriesHolding(records));
  finder.Walk(clock, firstMinute, lastMinute + 1);
  FireEachOnce(finder.due(), fire, remove);
}
