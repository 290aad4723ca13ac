// The passes of the alarm firing over the table: missed alarms at start-up,
// due alarms at each new minute, and alarms read in from alarms.txt.
#include "gui/scheduler/alarm_firing.h"

#include <QWidget>

#include "core/entry/snooze_alarm.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/catch_up.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/missed_pass.h"
#include "core/store/alarm_table.h"
#include "gui/scheduler/alarm_popup_dlg.h"
#include "gui/scheduler/cleared_notice_dlg.h"
#include "gui/scheduler/wake_up_timer.h"
#include "gui/watch/writer_wait.h"

AlarmFiring::AlarmFiring(QWidget* window, AlarmTable& table, const SettingsStore& settings,
                         const LocalClock& clock, FiringHost& host, TimerCalls wakeUpCalls)
    : m_window(window),
      m_table(table),
      m_settings(settings),
      m_clock(clock),
      m_host(host),
      m_wakeUpCalls(wakeUpCalls) {
  m_table.SetChangeWatch([this] {
    if (m_wakeUp != nullptr) m_wakeUp->Rearm();
  });
}

AlarmFiring::~AlarmFiring() {
  m_table.SetChangeWatch(nullptr);
}

// One notice for each cleared alarm; every removal is saved before the next
// notice. A notice may wait for hours, with the computer suspended: the
// wake-up timer is set before the first.
void AlarmFiring::ClearMissedAlarms(std::int64_t now) {
  const auto notify = [this](int i) {
    StartWakeUpTimer();
    CClearedNoticeDlg notice(m_table.At(i), m_window->windowIcon());
    notice.exec();
  };
  RunMissedPass(m_table, now, m_clock, notify, [this](int i) { m_table.DeleteAlarm(i); });
}

void AlarmFiring::CheckDueAlarms(std::int64_t sinceMinute, ClockSnapshot minute) {
  CheckMinutesSince(
      m_table, sinceMinute, minute, m_clock,
      [this](int i, std::int64_t due) { ShowAlarmPopup(i, due); },
      [this](int i) { m_table.DeleteAlarm(i); });
}

void AlarmFiring::CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t firstMinute,
                                std::int64_t lastMinute) {
  CheckRecordsReadIn(
      m_table, records, firstMinute, lastMinute, m_clock,
      [this](int i, std::int64_t due) { ShowAlarmPopup(i, due); },
      [this](int i) { m_table.DeleteAlarm(i); });
}

// Shows the pop-up of entry i and returns when it has been closed. The pop-up
// is a window of its own that keeps above the others, so a minimised main
// window is left minimised: restoring it first and minimising it again races
// with the window manager, which can apply the restore last and leave the main
// window open on the desktop.
void AlarmFiring::ShowAlarmPopup(int i, std::int64_t dueMinute) {
  if (i < 0 || i >= m_table.Count()) return;
  CAlarmPopupDlg popup(m_table.At(i), m_settings.Values(), m_window->windowIcon(),
                       MinuteOf(m_clock.Now()) - dueMinute);
  popup.OfferSnooze(this, [this](const AlarmRecord& alarm) { Snooze(alarm.text); });
  popup.exec();
}

// As Add: a change another program is still writing is waited for, so the
// count is that of the file as it will be.
void AlarmFiring::Snooze(const std::string& text) {
  ReadInOtherWriter(m_table);
  const SnoozeAdded added = AddSnoozedAlarm(m_table, text, m_clock, kSnoozeMinutes);
  if (!added.message.empty()) m_host.ShowMessage(added.message, "");
  m_host.AlarmSnoozed(added.index);
}

void AlarmFiring::StartWakeUpTimer() {
  if (m_wakeUp == nullptr) m_wakeUp = new WakeUpTimer(m_table, m_clock, this, m_wakeUpCalls);
}

void AlarmFiring::ClockChanged() {
  if (m_wakeUp != nullptr) m_wakeUp->Rearm();
}
