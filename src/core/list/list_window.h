#pragma once

#include "core/model/list_row_count.h"
#include "core/store/alarm_table.h"

// Which record the list shows in its first row. The main window owns it.
class ListWindow {
 public:
  int Top() const { return m_top; }
  // Shows from top, kept within the rows count records fill.
  void ShowFrom(int top, int count);
  // Record i was deleted, which left count records.
  void RecordDeleted(int i, int count);

 private:
  int m_top = 0;
};

// The value RefreshList takes to bring the newly added record into view.
inline constexpr int ShowNewAlarm = 99;

// The first row that shows record k among count records (row 3 when it can).
int TopForNewRecord(int k, int count);

enum class ScrollCode {
  LineUp,
  LineDown,
  PageUp,
  PageDown,
  ThumbPosition,
  ThumbTrack,
  Top,
  Bottom,
  EndScroll
};

// The first row after a scroll-bar action; position is the one that came with
// a thumb message. Codes that do not move the list give pos back.
int ScrolledTop(ScrollCode code, int pos, int position, int count);
// Whether the scroll bar's position is set for this code.
bool ScrollCodeMovesBar(ScrollCode code);

// The record of the table that carries the new-alarm marker as its whole text
// (the first one from 0 upwards), or -1 when none does.
int FindNewAlarmRecord(const AlarmTable& table);
