#include "core/model/alarm_type.h"
#include "core/scheduler/clock_snapshot.h"
#include "gui/app/main_dlg.h"
#include "gui/entry/combo_text.h"

// A day picked in the Day box. For Monthly it switches the date field between
// a day of the month ("None") and a week in the month (a weekday).
void CMainDlg::OnDayChange() {
  m_type = SelectedItemText(m_typeBox);
  m_day = SelectedItemText(m_dayBox);
  FormPreset form = FormState();
  if (IsMonthly(m_type)) form = PresetForMonthlyDay(m_day, form, m_clockSnapshot);
  ShowForm(form);
}
