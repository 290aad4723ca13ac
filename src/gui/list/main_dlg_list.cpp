#include <QLabel>
#include <QScrollBar>
#include <algorithm>

#include "core/list/alarm_description.h"
#include "core/list/list_window.h"
#include "core/store/alarm_table.h"
#include "gui/app/main_dlg.h"

// Shows five records from top (or the newly added one) and puts every value
// into the controls.
void CMainDlg::RefreshList(int top) {
  if (top == ShowNewAlarm) {
    const int k = FindNewAlarmRecord(m_table);
    top = 0;
    if (k >= 0) {
      m_table.SetText(k, "");
      top = TopForNewRecord(k, m_table.Count());
      m_table.SaveAlarms();  // which may read in a change of the file
    }
  }
  const int count = m_table.Count();
  m_listWindow.ShowFrom(top, count);
  const QSignalBlocker blocker(m_scrollBar);
  m_scrollBar->setRange(0, std::max(0, count - kListRowCount));
  m_scrollBar->setValue(m_listWindow.Top());
  for (int r = 0; r < kListRowCount; ++r) {
    const int i = m_listWindow.Top() + r;
    const bool filled = i < count;
    m_rowTime[r] = filled ? m_table.At(i).time : std::string();
    m_rowType[r] =
        filled ? DescribeAlarm(m_table, i, m_clockSnapshot, m_settings.Order()) : std::string();
    m_rowNo[r]->setText(QString::number(i + 1));
  }
  UpdateData(false);
}

// A minimised window has nothing typed, and may hold a newer time unshown.
void CMainDlg::ShowTableChange() {
  if (!isMinimized()) UpdateData(true);
  RefreshList(m_listWindow.Top());
}

void CMainDlg::AlarmDeleted(int i, int count) {
  m_listWindow.RecordDeleted(i, count);
  RefreshList(m_listWindow.Top());
}

void CMainDlg::OnVScroll(int code, int position) {
  const auto scroll = static_cast<ScrollCode>(code);
  const int pos = ScrolledTop(scroll, m_scrollBar->value(), position, m_table.Count());
  if (ScrollCodeMovesBar(scroll)) m_scrollBar->setValue(pos);
  RefreshList(pos);
}
