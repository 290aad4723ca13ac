#include "core/scheduler/clock_snapshot.h"
#include "core/settings/alarm_settings.h"
#include "gui/app/main_dlg.h"
#include "gui/entry/combo_text.h"

// Sets the form up for the type picked in the Type box; a time being typed
// survives the change.
void CMainDlg::OnTypeChange() {
  m_type = SelectedItemText(m_typeBox);
  FormPreset current = FormState();
  current.dateLabel = "Date:";
  ShowForm(PresetForType(m_type, current, m_clockSnapshot, m_settings.Order()));
}
