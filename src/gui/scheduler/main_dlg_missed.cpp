#include "core/platform/local_clock.h"
#include "core/scheduler/clock_snapshot.h"
#include "core/scheduler/missed_pass.h"
#include "core/store/alarm_table.h"
#include "gui/app/main_dlg.h"
#include "gui/scheduler/cleared_notice_dlg.h"

// Clears the one-off alarms whose moment passed while the program was not
// running, one notice each; every removal is saved before the next notice.
void CMainDlg::ClearMissedAlarms() {
  const auto notify = [this](int i) {
    CClearedNoticeDlg notice(m_table.At(i));
    notice.exec();
  };
  RunMissedPass(m_table, m_clockSnapshot.now, m_clock, notify,
                [this](int i) { m_table.DeleteAlarm(i); });
}
