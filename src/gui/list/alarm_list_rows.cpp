// The Clear and Text buttons of the five list rows, each handler given its
// row; the record is the one the row's number label shows.
#include <QCoreApplication>
#include <QLabel>

#include "core/platform/simple_number.h"
#include "core/store/alarm_table.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/prompter.h"
#include "gui/dialog/quiet_build.h"
#include "gui/list/alarm_list.h"
#include "gui/list/alarm_text_dlg.h"

// The first entry of the table equal to a record, or -1.
int AlarmList::FindRecord(const AlarmTable& table, const AlarmRecord& record) {
  for (int i = 0; i < table.Count(); ++i) {
    if (table.At(i) == record) return i;
  }
  return -1;
}

// The table index of the record a row shows, or -1 for a row that shows none.
int AlarmList::RowRecord(int row) const {
  const int i = ReadNumber(m_rowNo[static_cast<std::size_t>(row)]->text().toStdString()) - 1;
  return i >= 0 && i < m_table.Count() ? i : -1;
}

// What a screen reader says of the alarm of the row's button: the question
// and the dialog that a row's buttons open say it too.
QString AlarmList::RowAlarm(const std::array<int, kListRowCount>& buttonIds, int row) const {
  return GetDlgItem(m_window, buttonIds[static_cast<std::size_t>(row)])->accessibleDescription();
}

// Deletes the row's record after "Yes"; a row without a record does nothing.
// The clock runs while the question is open, and a one-off alarm that goes
// off meanwhile moves the rows: the record deleted is the one asked about,
// wherever it is now, and nothing when it is gone.
void AlarmList::OnClearRow(int row) {
  const int asked = RowRecord(row);
  if (asked < 0) return;
  const AlarmRecord record = m_table.At(asked);
  if (!GetPrompter().AskYesNo(
          m_window, QCoreApplication::translate("Message", "Confirm Deletion of this Alarm."),
          RowAlarm(kRowClearIds, row)))
    return;
  int i = RowRecord(row);
  if (i < 0 || m_table.At(i) != record) i = FindRecord(m_table, record);
  if (i >= 0) m_table.DeleteAlarm(i);
}

// Opens the wake-up text of the row's record; Save writes the table.
void AlarmList::OnTextRow(int row) {
  const int i = RowRecord(row);
  if (i < 0) return;
  QuietBuild quiet;
  CAlarmTextDlg dlg(m_table, i, m_snapshot, m_settings.Order(), m_window);
  dlg.setAccessibleDescription(RowAlarm(kRowTextIds, row));
  dlg.OnInitDialog();
  quiet.End();
  if (dlg.exec() == QDialog::Accepted) m_table.SaveAlarms();
  if (dlg.ReadInChange()) ShowTableChange();
}
