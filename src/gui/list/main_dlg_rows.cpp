// The Clear and Text buttons of the five list rows. Each row's handlers pass
// the row; the record is the one the row's number label shows.
#include <QLabel>
#include <QPushButton>

#include "core/platform/simple_number.h"
#include "core/store/alarm_table.h"
#include "gui/app/dialog_builder.h"
#include "gui/app/main_dlg.h"
#include "gui/app/prompter.h"
#include "gui/list/alarm_text_dlg.h"

namespace {

using Handler = void (CMainDlg::*)();
constexpr std::array<Handler, kListRowCount> kClearHandlers = {
    &CMainDlg::OnClear1, &CMainDlg::OnClear2, &CMainDlg::OnClear3, &CMainDlg::OnClear4,
    &CMainDlg::OnClear5};
constexpr std::array<Handler, kListRowCount> kTextHandlers = {
    &CMainDlg::OnText1, &CMainDlg::OnText2, &CMainDlg::OnText3, &CMainDlg::OnText4,
    &CMainDlg::OnText5};

// The first entry of the table equal to a record, or -1.
int FindRecord(const AlarmTable& table, const AlarmRecord& record) {
  for (int i = 0; i < table.Count(); ++i) {
    if (table.At(i) == record) return i;
  }
  return -1;
}

}  // namespace

void CMainDlg::ConnectRowButtons() {
  for (int r = 0; r < kListRowCount; ++r) {
    connect(DlgItem<QPushButton>(this, kRowClearIds[r]), &QPushButton::clicked, this,
            [this, r] { (this->*kClearHandlers[r])(); });
    connect(DlgItem<QPushButton>(this, kRowTextIds[r]), &QPushButton::clicked, this,
            [this, r] { (this->*kTextHandlers[r])(); });
  }
}

// The table index of the record a row shows, or -1 for a row that shows none.
int CMainDlg::RowRecord(int row) const {
  const int i = ReadNumber(m_rowNo[static_cast<std::size_t>(row)]->text().toStdString()) - 1;
  return i >= 0 && i < m_table.Count() ? i : -1;
}

// Deletes the row's record after "Yes"; a row without a record does nothing.
// The clock runs while the question is open, and a one-off alarm that goes
// off meanwhile moves the rows: the record deleted is the one asked about,
// wherever it is now, and nothing when it is gone.
void CMainDlg::OnClearRow(int row) {
  const int asked = RowRecord(row);
  if (asked < 0) return;
  const AlarmRecord record = m_table.At(asked);
  if (!GetPrompter().AskYesNo(this, QStringLiteral("Confirm Deletion of this Alarm."))) return;
  int i = RowRecord(row);
  if (i < 0 || m_table.At(i) != record) i = FindRecord(m_table, record);
  if (i >= 0) m_table.DeleteAlarm(i);
}

// Opens the wake-up text of the row's record; Save writes the table.
void CMainDlg::OnTextRow(int row) {
  const int i = RowRecord(row);
  if (i < 0) return;
  CAlarmTextDlg dlg(m_table, i, m_clockSnapshot, m_settings.Order(), this);
  dlg.OnInitDialog();
  if (dlg.exec() == QDialog::Accepted) m_table.SaveAlarms();
  if (dlg.ReadInChange()) ShowTableChange();
}

void CMainDlg::OnClear1() {
  OnClearRow(0);
}
void CMainDlg::OnClear2() {
  OnClearRow(1);
}
void CMainDlg::OnClear3() {
  OnClearRow(2);
}
void CMainDlg::OnClear4() {
  OnClearRow(3);
}
void CMainDlg::OnClear5() {
  OnClearRow(4);
}
void CMainDlg::OnText1() {
  OnTextRow(0);
}
void CMainDlg::OnText2() {
  OnTextRow(1);
}
void CMainDlg::OnText3() {
  OnTextRow(2);
}
void CMainDlg::OnText4() {
  OnTextRow(3);
}
void CMainDlg::OnText5() {
  OnTextRow(4);
}
