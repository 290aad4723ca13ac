#pragma once

#include <functional>

#include "core/store/alarm_table.h"

// Removes entry j of g_alarms through remove(j) and returns the index a pass
// goes on with: j, which now holds the entry that followed, or j + 1 when the
// count did not drop (the removal could not be saved and the old file brought
// the entry back), so that the pass never meets the same entry again.
// Where the record fired at index `was` is now: still there, or wherever a
// nested pass moved it; -1 when it is gone. Never reads at or beyond count.
inline int FindFiredRecord(const AlarmRecord& fired, int was) {
  if (was >= 0 && was < g_alarms.count &&
      g_alarms.records[static_cast<std::size_t>(was)] == fired) {
    return was;
  }
  for (int j = 0; j < g_alarms.count; ++j) {
    if (g_alarms.records[static_cast<std::size_t>(j)] == fired) return j;
  }
  return -1;
}

inline int RemoveAndStep(int j, const std::function<void(int)>& remove) {
  const int countBefore = g_alarms.count;
  remove(j);
  return g_alarms.count < countBefore ? j : j + 1;
}
