#pragma once

#include <functional>

#include "core/store/alarm_table.h"

// Removes entry j of g_alarms through remove(j) and returns the index a pass
// goes on with: j, which now holds the entry that followed, or j + 1 when the
// count did not drop (the removal could not be saved and the old file brought
// the entry back), so that the pass never meets the same entry again.
inline int RemoveAndStep(int j, const std::function<void(int)>& remove) {
  const int countBefore = g_alarms.count;
  remove(j);
  return g_alarms.count < countBefore ? j : j + 1;
}
