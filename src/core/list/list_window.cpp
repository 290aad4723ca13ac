#include "core/list/list_window.h"

#include <algorithm>

namespace {

// The last first row that still fills every row; 0 when the records fit the rows.
int LastTop(int count) {
  return std::max(0, count - kListRowCount);
}

}  // namespace

void ListWindow::ShowFrom(int top, int count) {
  m_top = std::clamp(top, 0, LastTop(count));
}

// A deletion below the seventh record, or one that leaves rows past the end,
// moves the list up a row.
void ListWindow::RecordDeleted(int i, int count) {
  constexpr int kLastEntryKeepingTheTop = 6;
  int top = m_top;
  if (i > kLastEntryKeepingTheTop || top > count - kListRowCount) --top;
  if (count <= kListRowCount) top = 0;
  m_top = std::max(top, 0);
}

int TopForNewRecord(int k, int count) {
  constexpr int kMiddleRow = kListRowCount / 2;
  int top = k > kMiddleRow ? k - kMiddleRow : 0;
  if (top > count - kListRowCount) top = count - kListRowCount;
  if (count <= kListRowCount) top = 0;
  return top;
}

int ScrolledTop(ScrollCode code, int pos, int position, int count) {
  switch (code) {
    case ScrollCode::LineUp:
      return pos > 0 ? pos - 1 : pos;
    case ScrollCode::LineDown:
      return pos < count - kListRowCount ? pos + 1 : pos;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      return std::clamp(position, 0, LastTop(count));
    default:
      return pos;
  }
}

bool ScrollCodeMovesBar(ScrollCode code) {
  switch (code) {
    case ScrollCode::LineUp:
    case ScrollCode::LineDown:
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      return true;
    default:
      return false;
  }
}

int FindNewAlarmRecord(const AlarmTable& table) {
  const int count = std::clamp(table.Count(), 0, kMaxAlarms);
  for (int k = 0; k < count; ++k) {
    if (table.At(k).text == kNewAlarmMarker) return k;
  }
  return -1;
}
