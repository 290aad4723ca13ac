#include "app/ui_app_state.h"
#include "app/ui_main_dlg.h"
#include "scheduler/shown_alarm.h"
#include "scheduler/ui_alarm_popup_dlg.h"
#include "store/alarm_table.h"

// Shows the pop-up of entry i and returns when it has been closed. A minimised
// main window is restored and minimised again around it, as at start-up.
void CMainDlg::ShowAlarmPopup(int i) {
  if (i < 0 || i >= g_alarms.count) return;
  const bool minimised = isMinimized();
  if (minimised) ApplyPlacement(false);
  g_shownAlarmIndex = i;
  CAlarmPopupDlg popup(g_alarms.records[i]);
  if (minimised) ApplyPlacement(true);
  popup.exec();
}
