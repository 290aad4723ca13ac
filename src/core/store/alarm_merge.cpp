#include "core/store/alarm_merge.h"

#include <algorithm>

#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"

namespace {

using Records = std::vector<AlarmRecord>;

bool SameSchedule(const AlarmRecord& a, const AlarmRecord& b) {
  return a.type == b.type && a.day == b.day && a.time == b.time && a.date == b.date;
}

// Takes one record equal to `record` out of `records`; false when none is there.
bool TakeOut(Records& records, const AlarmRecord& record) {
  const auto found = std::find(records.begin(), records.end(), record);
  if (found == records.end()) return false;
  records.erase(found);
  return true;
}

// The records of a that are not in b, each record counted as often as it occurs.
Records Without(Records a, const Records& b) {
  for (const AlarmRecord& record : b) TakeOut(a, record);
  return a;
}

// Takes out of `removed` the record `added` replaced by a new text, if any.
bool TakeOldText(Records& removed, const AlarmRecord& added, AlarmRecord& old) {
  const auto found = std::find_if(removed.begin(), removed.end(),
                                  [&](const AlarmRecord& r) { return SameSchedule(r, added); });
  if (found == removed.end()) return false;
  old = *found;
  removed.erase(found);
  return true;
}

}  // namespace

Records MergeAlarmChanges(const Records& base, const Records& ours, const Records& theirs) {
  Records removed = Without(base, ours);
  Records merged = theirs;
  for (const AlarmRecord& added : Without(ours, base)) {
    AlarmRecord old;
    if (TakeOldText(removed, added, old) && !TakeOut(merged, old)) continue;
    if (merged.size() < static_cast<std::size_t>(kMaxAlarms)) merged.push_back(added);
  }
  for (const AlarmRecord& record : removed) TakeOut(merged, record);
  return merged;
}

Records NewAlarms(const Records& before, const Records& after) {
  Records gone = Without(before, after);
  Records fresh;
  for (const AlarmRecord& added : Without(after, before)) {
    AlarmRecord old;
    if (!TakeOldText(gone, added, old)) fresh.push_back(added);
  }
  return fresh;
}

std::string DescribeChanges(const Records& base, const Records& ours) {
  std::string words;
  const auto describe = [&words](const Records& records, const char* what) {
    for (const AlarmRecord& record : records) {
      std::string line = EncodeRecordLine(record);
      if (line.ends_with('\n')) line.pop_back();
      words += (words.empty() ? "" : ", ") + std::string(what) + " \"" + line + "\"";
    }
  };
  describe(Without(ours, base), "added");
  describe(Without(base, ours), "removed");
  return words;
}
