#include "core/scheduler/catch_up.h"

#include <vector>

#include "core/scheduler/due_pass.h"
#include "core/scheduler/minute_walk.h"

namespace {

// The entries of the table that hold the records, one entry for each record.
std::vector<bool> EntriesHolding(const AlarmTable& table, const std::vector<AlarmRecord>& records) {
  std::vector<bool> marked(static_cast<std::size_t>(kMaxAlarms), false);
  for (const AlarmRecord& record : records) {
    for (int i = 0; i < table.Count(); ++i) {
      const auto k = static_cast<std::size_t>(i);
      if (marked[k] || table.At(i) != record) continue;
      marked[k] = true;
      break;
    }
  }
  return marked;
}

}  // namespace

void CheckMinutesSince(const AlarmTable& table, std::int64_t lastMinute,
                       const ClockSnapshot& snapshot, const LocalClock& clock, const FireDue& fire,
                       const std::function<void(int)>& remove) {
  const std::int64_t minute = MinuteOf(snapshot.now);
  if (minute == lastMinute) return;
  // The snapshot may be the live one, which nested ticks overwrite.
  const ClockSnapshot now = snapshot;
  DueFinder finder(table);
  if (minute > lastMinute + 1) finder.Walk(clock, lastMinute + 1, minute);
  finder.Examine(now);
  FireEachOnce(table, finder.due(), fire, remove);
}

void CheckRecordsReadIn(const AlarmTable& table, const std::vector<AlarmRecord>& records,
                        std::int64_t firstMinute, std::int64_t lastMinute, const LocalClock& clock,
                        const FireDue& fire, const std::function<void(int)>& remove) {
  if (records.empty() || lastMinute < firstMinute) return;
  DueFinder finder(table, EntriesHolding(table, records));
  finder.Walk(clock, firstMinute, lastMinute + 1);
  FireEachOnce(table, finder.due(), fire, remove);
}
