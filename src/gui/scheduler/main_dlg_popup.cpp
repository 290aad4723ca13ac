#include "core/platform/local_clock.h"
#include "core/scheduler/minute_walk.h"
#include "core/store/alarm_table.h"
#include "gui/app/main_dlg.h"
#include "gui/scheduler/alarm_popup_dlg.h"

// Shows the pop-up of entry i and returns when it has been closed. The pop-up
// is a window of its own that keeps above the others, so a minimised main
// window is left minimised: restoring it first and minimising it again races
// with the window manager, which can apply the restore last and leave the main
// window open on the desktop.
void CMainDlg::ShowAlarmPopup(int i, std::int64_t dueMinute) {
  if (i < 0 || i >= m_table.Count()) return;
  CAlarmPopupDlg popup(m_table.At(i), m_settings.Values(), MinuteOf(m_clock.Now()) - dueMinute);
  popup.exec();
}
