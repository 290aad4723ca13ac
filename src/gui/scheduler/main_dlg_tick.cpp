#include "core/platform/local_clock.h"
#include "core/scheduler/catch_up.h"
#include "core/scheduler/clock_snapshot.h"
#include "core/scheduler/minute_walk.h"
#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"
#include "gui/app/app_state.h"
#include "gui/app/main_dlg.h"
#include "gui/entry/time_edit.h"

// Reads the clock, rebuilds the clock line, runs the due check at the first
// tick of a new minute and follows a change of the date format. The minutes
// are minutes of real time, so that one skipped (the computer slept, the clock
// was set forward) still gets its check, late.
void CMainDlg::ClockTick() {
  m_clockSnapshot = ReadClockSnapshot(m_clock);
  const ClockSnapshot& now = m_clockSnapshot;
  m_clockText = ClockLineText(now, m_settings.Order());
  const std::int64_t minute = MinuteOf(now.now);
  if (g_firstTick) {
    m_lastMinute = now.minute;
    m_lastCheckedMinute = minute;
    m_lastDateFormat = m_settings.Values().DateFormat;
    g_firstTick = false;
  }
  if (minute != m_lastCheckedMinute) {
    // Recorded before the check, so that ticks under its pop-ups in the same
    // minute do not check again.
    const std::int64_t since = m_lastCheckedMinute;
    m_lastCheckedMinute = minute;
    m_lastMinute = now.minute;
    CheckDueAlarms(since);
    m_time = m_clockSnapshot.timeText;
    m_timeEdit->SetKeyCount(5);
    ShowNewMinute();
  }
  if (m_lastDateFormat != m_settings.Values().DateFormat) {
    RefreshList(0);
    OnTypeChange();
  }
  m_lastDateFormat = m_settings.Values().DateFormat;
  m_lastMinute = m_clockSnapshot.minute;
}

void CMainDlg::CheckDueAlarms(std::int64_t sinceMinute) {
  const ClockSnapshot minute = m_clockSnapshot;
  CheckMinutesSince(
      m_table, sinceMinute, minute, m_clock,
      [this](int i, std::int64_t due) { ShowAlarmPopup(i, due); },
      [this](int i) { m_table.DeleteAlarm(i); });
}

std::int64_t CMainDlg::LastCheckedMinute() const {
  return g_firstTick ? MinuteOf(m_clock.Now()) : m_lastCheckedMinute;
}

void CMainDlg::CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute) {
  if (g_firstTick) return;
  CheckRecordsReadIn(
      m_table, records, sinceMinute + 1, m_lastCheckedMinute, m_clock,
      [this](int i, std::int64_t due) { ShowAlarmPopup(i, due); },
      [this](int i) { m_table.DeleteAlarm(i); });
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
