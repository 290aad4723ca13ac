#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/model/clock_snapshot.h"
#include "core/platform/local_clock.h"
#include "core/platform/timer_calls.h"
#include "core/settings/settings_store.h"
#include "gui/watch/read_in_catch_up.h"

class AlarmTable;
class DataExchange;
class OnScreenWatch;
class OpenDialogWatch;
class QWidget;
class WakeUpTimer;

// What the clock driver tells the window it runs in.
class ClockHost {
 public:
  // Moves values between the window's value members and its controls.
  virtual bool UpdateData(bool saveAndValidate) = 0;
  // A new minute began: the form takes the time of the clock again.
  virtual void MinuteTurned() = 0;
  // The date format changed: whatever shows a date is shown again.
  virtual void DateFormatChanged() = 0;

 protected:
  ~ClockHost() = default;
};

// The system's timer calls of the clock driver: the wake-up timer's and the
// clock change watch's (a test plays them).
struct ClockTimerCalls {
  TimerCalls wakeUp;
  TimerCalls clockChange;
};

// The clock of the main window: its timers and tick, the clock line, the due
// check with its pop-ups, the missed-alarm pass at start-up and the catch-up
// of alarms read in from alarms.txt (for the alarms file watcher). A fired
// one-off alarm is deleted from the table, which tells its listener.
class ClockDriver : public QObject, public ReadInCatchUp {
  Q_OBJECT

 public:
  // The settings and the clock are the application's.
  ClockDriver(QWidget* window, AlarmTable& table, const SettingsStore& settings,
              const LocalClock& clock, ClockHost& host, ClockTimerCalls calls = {});
  ClockDriver(const ClockDriver&) = delete;
  ClockDriver& operator=(const ClockDriver&) = delete;

  // The last clock reading, written only by the tick.
  const ClockSnapshot& Snapshot() const { return m_snapshot; }
  // The clock line and its control.
  void Exchange(DataExchange& dx);

  void Tick();
  // Clears the one-off alarms whose moment passed while the program was not running.
  void ClearMissedAlarms();
  // Starts the timers, at its step of the start-up.
  void Start();
  // The minute of real time the due check judged last.
  std::int64_t LastCheckedMinute() const override;
  // Alarms that reading alarms.txt in brought into the table: those due in a
  // minute judged after sinceMinute pop up once now, late.
  void CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute) override;
  // The alarms changed: the wake-up timer is set for the next.
  void TableChanged();

 private:
  void CheckDueAlarms(std::int64_t sinceMinute);
  // The pop-up of entry i, which fell due in dueMinute (MinuteOf): shown in a
  // later minute, its notification says how late it is.
  void ShowAlarmPopup(int i, std::int64_t dueMinute);
  void ShowNewMinute();
  void ShowUnshownMinute();
  void FitClockTimers();
  void ArmClockTimer();
  void ArmClockTimerEvery(int period);
  void OnClockTimeout();
  void OnClockChanged();
  void StartWakeUpTimer();
  // The window went off the screen or came back.
  void OnScreenChanged();

  QWidget* m_window;
  AlarmTable& m_table;
  const SettingsStore& m_settings;
  const LocalClock& m_clock;
  ClockHost& m_host;
  ClockSnapshot m_snapshot;
  std::string m_clockText;
  int m_lastDateFormat = 0;
  bool m_firstTick = true;  // no tick has run yet
  QTimer m_clockTimer;      // precise: the minute's first tick, every tick when minimised
  QTimer m_coarseTimer;     // the other ticks while the window is shown
  std::int64_t m_lastTickSecond = 0;
  std::int64_t m_lastCheckedMinute = 0;  // the minute of real time the due check saw last
  bool m_clockStarted = false;           // start-up has reached the timer's step
  OpenDialogWatch* m_dialogWatch = nullptr;
  OnScreenWatch* m_onScreen = nullptr;
  WakeUpTimer* m_wakeUp = nullptr;  // made once the window is up
  TimerCalls m_wakeUpCalls;
  bool m_minuteUnshown = false;  // a new minute not yet put into the controls
};
