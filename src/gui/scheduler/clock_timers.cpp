#include <QWidget>
#include <limits>

#include "core/platform/local_clock.h"
#include "gui/dialog/control_ids.h"
#include "gui/scheduler/clock_driver.h"
#include "gui/scheduler/wake_up_timer.h"
#include "gui/watch/on_screen_watch.h"
#include "gui/watch/open_dialog_watch.h"

// The clock ticks once a wall-clock second while anybody may look: the window
// is on the screen, or a dialog of the program is open. Only the first tick of a minute
// must be punctual (it runs the due check), so while the window is shown a
// coarse repeating timer gives the ordinary ticks, which Qt lets share their
// wake-ups with the caret's blinking, and a precise single-shot timer lands
// just after each minute turns. Off the screen with a dialog open (no caret
// blinks then) the precise timer lands just after every second instead. Off
// the screen with no dialog open nothing shows the time: the program wakes
// once a minute, just after it turns, and when the clock is set or the
// computer resumes. Off the screen is minimised, hidden or not exposed (see
// OnScreenWatch).

namespace {
// How long after the second or minute turns the precise timer lands.
constexpr int kTickMarginMs = 3;
constexpr int kMinuteMs = 60 * kClockIntervalMs;
// How long after the clock starts the wake-up timer is made: the window has
// been shown and painted by then.
constexpr int kWakeUpAfterMs = 500;
}  // namespace

// The clock starts at its step of the start-up and runs until the program ends.
// Its first tick runs at once, whatever the window state and whatever the
// timers are later fitted to: the minutes that passed while the start-up was
// held up (a missed-alarm notice left open) get their check now, late, and
// the minute it ends in its own.
void ClockDriver::Start() {
  m_clockStarted = true;
  FitClockTimers();
  OnClockTimeout();
  QTimer::singleShot(kWakeUpAfterMs, this, [this] { StartWakeUpTimer(); });
}

// Asking whether the computer may be woken and searching for the next alarm
// wait until the window is up, or a missed-alarm notice holds the start-up:
// nobody needs them sooner. The timer is then set from the alarms and the
// clock of that moment.
void ClockDriver::StartWakeUpTimer() {
  if (m_wakeUp == nullptr) m_wakeUp = new WakeUpTimer(m_table, m_clock, this, m_wakeUpCalls);
}

// Fits the timers to what is on the screen; called again when that changes.
void ClockDriver::FitClockTimers() {
  if (!m_clockStarted) return;
  if (!m_onScreen->OnScreen()) {
    m_coarseTimer.stop();
  } else if (!m_coarseTimer.isActive()) {
    m_coarseTimer.start();
  }
  ArmClockTimer();
}

void ClockDriver::ArmClockTimer() {
  const bool everySecond = !m_onScreen->OnScreen() && m_dialogWatch->AnyOpen();
  ArmClockTimerEvery(everySecond ? kClockIntervalMs : kMinuteMs);
}

// Lands the precise timer just after the next turn of a second or a minute.
void ClockDriver::ArmClockTimerEvery(int period) {
  const auto into = static_cast<int>(m_clock.NowMilliseconds() % period);
  m_clockTimer.start(period - into + kTickMarginMs);
}

// Both timers come here. A second that has had its tick gets no other. The
// tick runs after this slot has returned, so that a pop-up it opens does not
// hold up the timers: the clock goes on under open dialogs.
void ClockDriver::OnClockTimeout() {
  ArmClockTimer();
  const std::int64_t second = m_clock.NowMilliseconds() / kClockIntervalMs;
  if (second == m_lastTickSecond) return;
  m_lastTickSecond = second;
  m_onScreen->OfferAFrame();
  QMetaObject::invokeMethod(
      this, [this] { Tick(); }, Qt::QueuedConnection);
}

// The clock was set or the computer resumed: tick now, whatever second it is,
// and plan the next wake-ups from the new time.
void ClockDriver::OnClockChanged() {
  if (m_wakeUp != nullptr) m_wakeUp->Rearm();
  if (!m_clockStarted) return;
  m_lastTickSecond = std::numeric_limits<std::int64_t>::min();
  OnClockTimeout();
}

void ClockDriver::TableChanged() {
  if (m_wakeUp != nullptr) m_wakeUp->Rearm();
}

// Back on the screen, the window ticks at once, so that the snapshot it shows
// and works from is of this second, and takes any new minute into its controls.
void ClockDriver::OnScreenChanged() {
  if (!m_clockStarted) return;
  FitClockTimers();
  if (!m_onScreen->OnScreen()) return;
  OnClockTimeout();
  ShowUnshownMinute();
}
