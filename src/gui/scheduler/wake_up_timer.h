#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "core/platform/stderr_note.h"
#include "core/platform/wake_alarm.h"

class AlarmTable;
class LocalClock;
class QSocketNotifier;

// Wakes the computer from suspend a minute before the next alarm, so that the
// program is awake and its clock ticking when the alarm's minute turns; if it
// sleeps again within that minute, it is woken at the minute itself. Only the
// alarms of the table ever set it. Without the capability or a clock that can
// wake the computer it says so once on stderr and the program runs without.
class WakeUpTimer : public QObject {
  Q_OBJECT

 public:
  // While no alarm is within reach of the search, it looks again this often.
  static constexpr int kLookAgainMs = 24 * 60 * 60 * 1000;
  // The table and the clock are the caller's and outlive the timer.
  WakeUpTimer(const AlarmTable& table, const LocalClock& clock, QObject* parent,
              TimerCalls calls = {}, int lookAgainMs = kLookAgainMs);

  // Sets the timer afresh once the running handler has returned: the alarms
  // changed, the clock was set or the computer resumed. Calls meanwhile come
  // to one search.
  void Rearm();
  // The moment the timer is set for; 0 while unset.
  std::int64_t SetFor() const { return m_setFor; }

 private:
  void SetFromNow();
  void OnWentOff();
  void Report(int setError);

  const AlarmTable& m_table;
  const LocalClock& m_clock;
  WakeAlarm m_alarm;
  QSocketNotifier* m_notifier = nullptr;
  QTimer m_rearm;       // zero-delay: one search for a burst of changes
  QTimer m_outOfReach;  // looks again each day while no alarm is within reach
  std::int64_t m_setFor = 0;
  StderrNote m_said;  // what stderr was told of the timer
};
