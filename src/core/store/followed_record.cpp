#include "core/store/followed_record.h"

#include <algorithm>
#include <cstddef>

void FollowedRecord::Removed(int i) {
  if (i == m_index) m_gone = true;
  if (i < m_index) --m_index;
}

void FollowedRecord::Replaced(const std::vector<AlarmRecord>& before,
                              const std::vector<AlarmRecord>& after) {
  const int count = static_cast<int>(before.size());
  if (m_gone || m_index < 0 || m_index >= count) return;
  const AlarmRecord& followed = before[static_cast<std::size_t>(m_index)];
  if (m_index < static_cast<int>(after.size()) &&
      after[static_cast<std::size_t>(m_index)] == followed) {
    return;
  }
  const auto found = std::find(after.begin(), after.end(), followed);
  if (found == after.end()) {
    m_gone = true;
  } else {
    m_index = static_cast<int>(found - after.begin());
  }
}
