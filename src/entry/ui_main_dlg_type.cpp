#include "app/ui_main_dlg.h"
#include "entry/ui_combo_text.h"
#include "scheduler/clock_snapshot.h"
#include "settings/alarm_settings.h"

// Sets the form up for the type picked in the Type box; a time being typed
// survives the change.
void CMainDlg::OnTypeChange() {
  m_type = SelectedItemText(m_typeBox);
  FormPreset current = FormState();
  current.dateLabel = "Date:";
  ShowForm(PresetForType(m_type, current, g_clockSnapshot, g_settings.DateFormat));
}
