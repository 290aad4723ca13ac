#pragma once

#include <cstdint>
#include <vector>

#include "core/model/alarm_record.h"

// The due check's part in reading in a change of alarms.txt (the clock
// driver's): the alarms a change brought in were not in the table at the
// minutes judged while it was being written or waited, and catch them up.
class ReadInCatchUp {
 public:
  // The minute of real time the due check judged last.
  virtual std::int64_t LastCheckedMinute() const = 0;
  // The alarms the change brought in, due in a minute judged after sinceMinute,
  // pop up once, late.
  virtual void CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute) = 0;

 protected:
  ~ReadInCatchUp() = default;
};
