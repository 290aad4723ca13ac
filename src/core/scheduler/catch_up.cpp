#include "core/scheduler/catch_up.h"

#include <array>
#include <vector>

#include "core/scheduler/due_pass.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/pass_step.h"
#include "core/store/alarm_table.h"

namespace {

struct LateAlarm {
  int index = 0;  // where it stood when it was found
  AlarmRecord record;
};

// The alarms due in the minutes from firstMinute up to the snapshot's own, each
// once, in the order of the first minute it is due in.
std::vector<LateAlarm> FindLateAlarms(std::int64_t firstMinute, const ClockSnapshot& snapshot,
                                      const LocalClock& clock) {
  std::vector<LateAlarm> late;
  std::array<bool, kMaxAlarms> found{};
  const auto examine = [&](const ClockSnapshot& minute) {
    for (int i = 0; i < g_alarms.count; ++i) {
      const AlarmRecord& entry = g_alarms.records[static_cast<std::size_t>(i)];
      if (found[static_cast<std::size_t>(i)] || !IsAlarmDue(entry, minute)) continue;
      found[static_cast<std::size_t>(i)] = true;
      late.push_back(LateAlarm{i, entry});
    }
  };
  WalkMinutes(clock, firstMinute * kSecondsPerMinute, MinuteOf(snapshot.now) * kSecondsPerMinute,
              AlarmMinutes(), [&](std::int64_t moment) { examine(SnapshotAt(clock, moment)); });
  examine(snapshot);
  return late;
}

// Fires each late alarm that is still in the table; a pop-up's nested passes
// may have moved or removed it meanwhile.
void FireLateAlarms(const std::vector<LateAlarm>& late, const std::function<void(int)>& fire,
                    const std::function<void(int)>& remove) {
  for (const LateAlarm& alarm : late) {
    const int i = FindFiredRecord(alarm.record, alarm.index);
    if (i < 0) continue;
    fire(i);
    if (alarm.record.type != "One Date") continue;
    const int j = FindFiredRecord(alarm.record, i);
    if (j >= 0) RemoveAndStep(j, remove);
  }
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
    FireLateAlarms(FindLateAlarms(lastMinute + 1, now, clock), fire, remove);
    return;
  }
  RunDuePass(snapshot, fire, remove);
}
