#include "gui/app/main_dlg.h"
#include "gui/settings/settings_dlg.h"

// Options > Settings. A new date format reaches the window at the next tick.
void CMainDlg::OnSettings() {
  CSettingsDlg dlg(m_settings.Values(), this);
  dlg.OnInitDialog();
  dlg.exec();
}
