#include "gui/app/main_dlg.h"
#include "gui/entry/calendar_dlg.h"

// Options > Calendar: shows the month calendar; its result is of no account.
void CMainDlg::OnCalendar() {
  CCalendarDlg dlg(m_clock, this);
  dlg.OnInitDialog();
  dlg.exec();
}
