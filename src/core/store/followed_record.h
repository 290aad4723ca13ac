#pragma once

#include <vector>

#include "core/model/alarm_record.h"

// The entry a window keeps open while the table changes under it (the alarm
// text dialog's record). Its index follows removals and reloads; Gone() tells
// that the record was deleted, or that a reload no longer holds it.
class FollowedRecord {
 public:
  explicit FollowedRecord(int index) : m_index(index) {}

  int Index() const { return m_index; }
  bool Gone() const { return m_gone; }

  // Entry i was taken out, later entries moving up by one.
  void Removed(int i);
  // The table held `before` and now holds `after`: the record keeps its index
  // when it is still there, else moves to where `after` first holds it.
  void Replaced(const std::vector<AlarmRecord>& before, const std::vector<AlarmRecord>& after);

 private:
  int m_index;
  bool m_gone = false;
};
