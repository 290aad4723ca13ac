#include "gui/scheduler/clock_driver.h"

#include <QLineEdit>
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
#include "gui/watch/on_screen_watch.h"
#include "gui/watch/open_dialog_watch.h"

ClockDriver::ClockDriver(QWidget* window, AlarmTable& table, const SettingsStore& settings,
                         const LocalClock& clock, ClockHost& host, ClockTimerCalls calls)
    : m_window(window), m_table(table), m_settings(settings), m_clock(clock), m_host(host) {
  m_clockTimer.setSingleShot(true);
  m_clockTimer.setTimerType(Qt::PreciseTimer);
  m_coarseTimer.setTimerType(Qt::CoarseTimer);
  m_coarseTimer.setInterval(kClockIntervalMs);
  connect(&m_clockTimer, &QTimer::timeout, this, [this] { OnClockTimeout(); });
  connect(&m_coarseTimer, &QTimer::timeout, this, [this] { OnClockTimeout(); });
  m_dialogWatch = new OpenDialogWatch(window, [this] { FitClockTimers(); });
  m_dialogWatch->setParent(this);
  m_onScreen = new OnScreenWatch(window, [this] { OnScreenChanged(); });
  new ClockChangeWatch([this] { OnClockChanged(); }, this, calls.clockChange);
  m_wakeUpCalls = calls.wakeUp;
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
  if (m_firstTick) {
    m_lastCheckedMinute = minute;
    m_lastDateFormat = m_settings.Values().DateFormat;
    m_firstTick = false;
  }
  if (minute != m_lastCheckedMinute) {
    // Recorded before the check, so that ticks under its pop-ups in the same
    // minute do not check again.
    const std::int64_t since = m_lastCheckedMinute;
    m_lastCheckedMinute = minute;
    CheckDueAlarms(since);
    m_host.MinuteTurned();
    ShowNewMinute();
  }
  if (m_lastDateFormat != m_settings.Values().DateFormat) m_host.DateFormatChanged();
  m_lastDateFormat = m_settings.Values().DateFormat;
}

std::int64_t ClockDriver::LastCheckedMinute() const {
  return m_firstTick ? MinuteOf(m_clock.Now()) : m_lastCheckedMinute;
}

// A window off the screen takes the new minute into its controls when it is
// seen again, which spares it a redraw a minute meanwhile.
void ClockDriver::ShowNewMinute() {
  m_minuteUnshown = true;
  if (m_onScreen->OnScreen()) ShowUnshownMinute();
}

void ClockDriver::ShowUnshownMinute() {
  if (!m_minuteUnshown) return;
  m_minuteUnshown = false;
  m_host.UpdateData(false);
}
