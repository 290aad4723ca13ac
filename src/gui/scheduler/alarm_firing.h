#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/model/clock_snapshot.h"
#include "core/platform/local_clock.h"
#include "core/platform/timer_calls.h"
#include "core/settings/settings_store.h"

class AlarmTable;
class QWidget;
class WakeUpTimer;

// What the alarm firing tells the window it runs in.
class FiringHost {
 public:
  // A snooze added entry i: the table is shown again with it in view.
  virtual void AlarmSnoozed(int i) = 0;
  // A message box (an empty caption: the program's name).
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;

 protected:
  ~FiringHost() = default;
};

// Fires the alarms of the table: the due check of each new minute with its
// pop-ups, the missed-alarm pass at start-up, the catch-up of alarms read in
// from alarms.txt, and the snooze a pop-up's notification offers (a one-off
// alarm added). A fired one-off alarm is deleted from the table, which tells
// its listener. It keeps the wake-up timer, which hears every change of the
// table from the table itself.
class AlarmFiring : public QObject {
  Q_OBJECT

 public:
  // The window is the pop-ups' owner; the table, the settings and the clock
  // are the application's and outlive the firing.
  AlarmFiring(QWidget* window, AlarmTable& table, const SettingsStore& settings,
              const LocalClock& clock, FiringHost& host, TimerCalls wakeUpCalls = {});
  ~AlarmFiring() override;
  AlarmFiring(const AlarmFiring&) = delete;
  AlarmFiring& operator=(const AlarmFiring&) = delete;

  // Clears the one-off alarms whose moment passed before now while the
  // program was not running.
  void ClearMissedAlarms(std::int64_t now);
  // The minutes after sinceMinute up to the one of `minute`: their due alarms
  // pop up. The reading is a copy: ticks under the pop-ups take new ones.
  void CheckDueAlarms(std::int64_t sinceMinute, ClockSnapshot minute);
  // Alarms that reading alarms.txt in brought into the table: those due in a
  // minute from firstMinute to lastMinute pop up once now, late.
  void CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t firstMinute,
                     std::int64_t lastMinute);
  // Asking whether the computer may be woken and searching for the next alarm
  // wait until the window is up, or a missed-alarm notice holds the start-up.
  void StartWakeUpTimer();
  // The clock was set or the computer resumed: the wake-up timer is set from
  // the new time.
  void ClockChanged();

 private:
  // The pop-up of entry i, which fell due in dueMinute (MinuteOf): shown in a
  // later minute, its notification says how late it is.
  void ShowAlarmPopup(int i, std::int64_t dueMinute);
  // Calls again in kSnoozeMinutes with the text: a one-off alarm added and saved.
  void Snooze(const std::string& text);

  QWidget* m_window;
  AlarmTable& m_table;
  const SettingsStore& m_settings;
  const LocalClock& m_clock;
  FiringHost& m_host;
  WakeUpTimer* m_wakeUp = nullptr;  // made once the window is up
  TimerCalls m_wakeUpCalls;
};
