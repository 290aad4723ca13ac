#include "gui/scheduler/wake_up_timer.h"

#include <QSocketNotifier>
#include <cstring>
#include <optional>
#include <string>

#include "core/platform/local_clock.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/next_firing.h"
#include "core/store/alarm_table.h"

WakeUpTimer::WakeUpTimer(const AlarmTable& table, const LocalClock& clock, QObject* parent,
                         TimerCalls calls, int lookAgainMs)
    : QObject(parent), m_table(table), m_clock(clock), m_alarm(calls) {
  m_rearm.setSingleShot(true);
  m_rearm.setInterval(0);
  connect(&m_rearm, &QTimer::timeout, this, [this] { SetFromNow(); });
  m_outOfReach.setSingleShot(true);
  m_outOfReach.setInterval(lookAgainMs);
  m_outOfReach.setTimerType(Qt::VeryCoarseTimer);
  connect(&m_outOfReach, &QTimer::timeout, this, [this] { SetFromNow(); });
  if (!m_alarm.Made()) {
    m_said.Say(WakeAlarmAvailability(m_alarm.MakeError()) +
               " Alarms go off while the computer is awake.");
    return;
  }
  m_notifier = new QSocketNotifier(m_alarm.Fd(), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnWentOff(); });
  Rearm();
}

void WakeUpTimer::Rearm() {
  if (m_alarm.Made()) m_rearm.start();
}

// A minute before the next firing; within that minute, the firing's own.
void WakeUpTimer::SetFromNow() {
  const std::int64_t now = m_clock.Now();
  const std::optional<std::int64_t> next = NextFiring(m_table, m_clock, now);
  if (!next) {
    Report(m_alarm.Unset());
    m_setFor = 0;
    if (m_table.Count() > 0) m_outOfReach.start();
    return;
  }
  m_outOfReach.stop();
  const std::int64_t early = *next - kSecondsPerMinute;
  m_setFor = early > now ? early : *next;
  Report(m_alarm.SetAt(m_setFor));
}

// A timer that cannot be set says so once on stderr, until it can again.
void WakeUpTimer::Report(int setError) {
  if (setError == 0) {
    m_said.Clear();
    return;
  }
  m_said.Say(std::string("cannot set the wake-up timer: ") + std::strerror(setError));
}

// After the minute it was set for, it is set for the next. A timer that went
// off before the program's clock reached its moment runs on another clock
// than the program (a preloaded fake clock): set again, it would go off at
// once without end, so it waits for the next change instead.
void WakeUpTimer::OnWentOff() {
  m_alarm.Acknowledge();
  if (m_clock.Now() < m_setFor) return;
  SetFromNow();
}
