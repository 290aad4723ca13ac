#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/alarm_record.h"
#include "core/model/clock_snapshot.h"
#include "core/platform/local_clock.h"
#include "core/platform/timer_calls.h"
#include "core/settings/settings_store.h"
#include "gui/scheduler/alarm_firing.h"
#include "gui/scheduler/clock_timers.h"
#include "gui/watch/read_in_catch_up.h"

class AlarmTable;
class DataExchange;
class QWidget;

// What the clock driver tells the window it runs in, besides what its alarm
// firing tells.
class ClockHost : public FiringHost {
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

// The clock of the main window: its tick and timers, the clock line and the
// last clock reading. At each new minute it has its alarm firing check the
// minutes since the last; it is the alarms file watcher's catch-up, judged up
// to the last minute checked.
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
  // Clears the one-off alarms whose moment passed while the program was not
  // running, as of the last clock reading.
  void ClearMissedAlarms();
  // Starts the timers, at its step of the start-up.
  void Start();
  // The minute of real time the due check judged last.
  std::int64_t LastCheckedMinute() const override;
  // Alarms that reading alarms.txt in brought into the table: those due in a
  // minute judged after sinceMinute pop up once now, late.
  void CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute) override;

 private:
  void ShowNewMinute();
  void ShowUnshownMinute();
  void OnClockChanged();

  const SettingsStore& m_settings;
  const LocalClock& m_clock;
  ClockHost& m_host;
  AlarmFiring m_firing;
  ClockTimers m_timers;
  ClockSnapshot m_snapshot;
  std::string m_clockText;
  int m_lastDateFormat = 0;
  // The minute of real time the due check saw last; none before the first tick.
  std::optional<std::int64_t> m_lastCheckedMinute;
  bool m_minuteUnshown = false;  // a new minute not yet put into the controls
};
