#include "core/entry/typing_filter.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_snapshot.h"
#include "core/scheduler/due_pass.h"
#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"
#include "gui/app/app_state.h"
#include "gui/app/main_dlg.h"

// Reads the clock, rebuilds the clock line, runs the due check at the first
// tick of a new minute and follows a change of the date format.
void CMainDlg::ClockTick() {
  g_clockSnapshot = ReadClockSnapshot(GetClock());
  const ClockSnapshot& now = g_clockSnapshot;
  m_clockText = ClockLineText(now, DateFormatOf(g_settings.DateFormat));
  if (g_firstTick) {
    m_lastMinute = now.minute;
    m_lastDateFormat = g_settings.DateFormat;
    g_firstTick = false;
  }
  if (now.minute != m_lastMinute) {
    m_lastMinute = now.minute;
    CheckDueAlarms();
    m_time = g_clockSnapshot.timeText;
    g_timeKeyCount = 5;
    ShowNewMinute();
  }
  if (m_lastDateFormat != g_settings.DateFormat) {
    RefreshList(0);
    OnTypeChange();
  }
  m_lastDateFormat = g_settings.DateFormat;
  m_lastMinute = g_clockSnapshot.minute;
}

void CMainDlg::CheckDueAlarms() {
  const ClockSnapshot minute = g_clockSnapshot;
  RunDuePass(
      minute, [this](int i) { ShowAlarmPopup(i); }, [](int i) { DeleteAlarm(i); });
}

void CMainDlg::OnTimer(int timerId) {
  if (timerId == IDT_CLOCK) ClockTick();
}

// A minimised window is not on the screen: it takes the new minute into its
// controls when it is restored, which spares it a redraw a minute meanwhile.
void CMainDlg::ShowNewMinute() {
  m_minuteUnshown = true;
  if (!isMinimized()) ShowUnshownMinute();
}

void CMainDlg::ShowUnshownMinute() {
  if (!m_minuteUnshown) return;
  m_minuteUnshown = false;
  UpdateData(false);
}
