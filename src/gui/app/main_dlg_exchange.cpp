#include "gui/app/data_exchange.h"
#include "gui/app/main_dlg.h"

namespace {
constexpr int kDateLimit = 8;
constexpr int kTimeLimit = 5;
}  // namespace

// The value members and their controls, in exchange order. Putting values into
// the controls also sets the two fields' input limits again.
void CMainDlg::DoDataExchange(DataExchange& dx) {
  dx.ComboText(IDC_DAY, m_day);
  dx.ComboText(IDC_TYPE, m_type);
  dx.Text(IDC_CLOCK, m_clockText);
  dx.Text(IDC_DATE, m_date, kDateLimit);
  dx.Text(IDC_TIME, m_time, kTimeLimit);
  for (int r = 0; r < kListRowCount; ++r) dx.Text(kRowTimeIds[r], m_rowTime[r]);
  for (int r = 0; r < kListRowCount; ++r) dx.Text(kRowTypeIds[r], m_rowType[r]);
}

bool CMainDlg::UpdateData(bool saveAndValidate) {
  DataExchange dx(this, saveAndValidate);
  DoDataExchange(dx);
  return dx.ok();
}
