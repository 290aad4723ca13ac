#include "gui/scheduler/clock_driver.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/minute_walk.h"
#include "core/settings/settings_store.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/platform/translated_phrase.h"
#include "gui/scheduler/clock_change_watch.h"

namespace {
// How long after the clock starts the wake-up timer is made: the window has
// been shown and painted by then.
constexpr int kWakeUpAfterMs = 500;
}  // namespace

ClockDriver::ClockDriver(QWidget* window, AlarmTable& table, const SettingsStore& settings,
                         const LocalClock& clock, ClockHost& host, ClockTimerCalls calls)
    : m_settings(settings),
      m_clock(clock),
      m_host(host),
      m_firing(window, table, settings, clock, host, calls.wakeUp),
      m_timers(
          window, clock, [this] { Tick(); }, [this] { ShowUnshownMinute(); }) {
  new ClockChangeWatch([this] { OnClockChanged(); }, this, calls.clockChange);
  // A screen reader says the window's description as the window comes up:
  // the clock line, which no key reaches.
  connect(DlgItem<QLineEdit>(window, IDC_CLOCK), &QLineEdit::textChanged, window,
          &QWidget::setAccessibleDescription);
}

void ClockDriver::Exchange(DataExchange& dx) {
  dx.Text(IDC_CLOCK, m_clockText);
}

// Reads the clock, rebuilds the clock line, runs the due check at the first
// tick of a new minute and follows a change of the date format. The minutes
// are minutes of real time, so that one skipped (the computer slept, the clock
// was set forward) still gets its check, late.
void ClockDriver::Tick() {
  m_snapshot = ReadClockSnapshot(m_clock);
  const ClockSnapshot& now = m_snapshot;
  m_clockText = Translated(ClockLinePhrase(now, m_settings.Order())).toStdString();
  const std::int64_t minute = MinuteOf(now.now);
  if (!m_lastCheckedMinute) {
    m_lastCheckedMinute = minute;
    m_lastDateFormat = m_settings.Values().DateFormat;
  }
  if (minute != *m_lastCheckedMinute) {
    // Recorded before the check, so that ticks under its pop-ups in the same
    // minute do not check again.
    const std::int64_t since = *m_lastCheckedMinute;
    m_lastCheckedMinute = minute;
    m_firing.CheckDueAlarms(since, m_snapshot);
    m_host.MinuteTurned();
    ShowNewMinute();
  }
  if (m_lastDateFormat != m_settings.Values().DateFormat) m_host.DateFormatChanged();
  m_lastDateFormat = m_settings.Values().DateFormat;
}

std::int64_t ClockDriver::LastCheckedMinute() const {
  return m_lastCheckedMinute ? *m_lastCheckedMinute : MinuteOf(m_clock.Now());
}

void ClockDriver::CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute) {
  if (!m_lastCheckedMinute) return;
  m_firing.CatchUpReadIn(records, sinceMinute + 1, *m_lastCheckedMinute);
}

void ClockDriver::ClearMissedAlarms() {
  m_firing.ClearMissedAlarms(m_snapshot.now);
}

void ClockDriver::Start() {
  m_timers.Start();
  QTimer::singleShot(kWakeUpAfterMs, &m_firing, [this] { m_firing.StartWakeUpTimer(); });
}

// The clock was set or the computer resumed: the wake-up timer is set from the
// new time, and the clock ticks now.
void ClockDriver::OnClockChanged() {
  m_firing.ClockChanged();
  m_timers.TickNow();
}

// A window off the screen takes the new minute into its controls when it is
// seen again, which spares it a redraw a minute meanwhile.
void ClockDriver::ShowNewMinute() {
  m_minuteUnshown = true;
  if (m_timers.OnScreen()) ShowUnshownMinute();
}

void ClockDriver::ShowUnshownMinute() {
  if (!m_minuteUnshown) return;
  m_minuteUnshown = false;
  m_host.UpdateData(false);
}
