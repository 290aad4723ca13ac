#include "app/ui_main_dlg.h"
#include "platform/local_clock.h"
#include "scheduler/clock_snapshot.h"
#include "scheduler/missed_pass.h"
#include "scheduler/shown_alarm.h"
#include "scheduler/ui_cleared_notice_dlg.h"
#include "store/alarm_table.h"

// Clears the one-off alarms whose moment passed while the program was not
// running, one notice each; every removal is saved before the next notice.
void CMainDlg::ClearMissedAlarms() {
  const auto notify = [](int i) {
    g_shownAlarmIndex = i;
    CClearedNoticeDlg notice(g_alarms.records[i]);
    notice.exec();
  };
  RunMissedPass(g_clockSnapshot.now, GetClock(), notify, [](int i) { DeleteAlarm(i); });
}
