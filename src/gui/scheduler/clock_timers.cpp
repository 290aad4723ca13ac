#include "gui/scheduler/clock_timers.h"

#include <QWidget>
#include <limits>
#include <utility>

#include "core/platform/local_clock.h"
#include "gui/dialog/control_ids.h"
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
}  // namespace

ClockTimers::ClockTimers(QWidget* window, const LocalClock& clock, std::function<void()> tick,
                         std::function<void()> backOnScreen)
    : m_clock(clock), m_tick(std::move(tick)), m_backOnScreen(std::move(backOnScreen)) {
  m_preciseTimer.setSingleShot(true);
  m_preciseTimer.setTimerType(Qt::PreciseTimer);
  m_coarseTimer.setTimerType(Qt::CoarseTimer);
  m_coarseTimer.setInterval(kClockIntervalMs);
  connect(&m_preciseTimer, &QTimer::timeout, this, [this] { OnTimeout(); });
  connect(&m_coarseTimer, &QTimer::timeout, this, [this] { OnTimeout(); });
  m_dialogWatch = new OpenDialogWatch(window, [this] { Fit(); });
  m_dialogWatch->setParent(this);
  m_onScreen = new OnScreenWatch(window, [this] { OnScreenChanged(); });
}

// The clock starts at its step of the start-up and runs until the program ends.
// Its first tick runs at once, whatever the window state and whatever the
// timers are later fitted to: the minutes that passed while the start-up was
// held up (a missed-alarm notice left open) get their check now, late, and
// the minute it ends in its own.
void ClockTimers::Start() {
  m_started = true;
  Fit();
  OnTimeout();
}

bool ClockTimers::OnScreen() const {
  return m_onScreen->OnScreen();
}

// Fits the timers to what is on the screen; called again when that changes.
void ClockTimers::Fit() {
  if (!m_started) return;
  if (!m_onScreen->OnScreen()) {
    m_coarseTimer.stop();
  } else if (!m_coarseTimer.isActive()) {
    m_coarseTimer.start();
  }
  Arm();
}

void ClockTimers::Arm() {
  const bool everySecond = !m_onScreen->OnScreen() && m_dialogWatch->AnyOpen();
  ArmEvery(everySecond ? kClockIntervalMs : kMinuteMs);
}

// Lands the precise timer just after the next turn of a second or a minute.
void ClockTimers::ArmEvery(int period) {
  const auto into = static_cast<int>(m_clock.NowMilliseconds() % period);
  m_preciseTimer.start(period - into + kTickMarginMs);
}

// Both timers come here. A second that has had its tick gets no other. The
// tick runs after this slot has returned, so that a pop-up it opens does not
// hold up the timers: the clock goes on under open dialogs.
void ClockTimers::OnTimeout() {
  Arm();
  const std::int64_t second = m_clock.NowMilliseconds() / kClockIntervalMs;
  if (second == m_lastTickSecond) return;
  m_lastTickSecond = second;
  m_onScreen->OfferAFrame();
  QMetaObject::invokeMethod(
      this, [this] { m_tick(); }, Qt::QueuedConnection);
}

// The clock was set or the computer resumed: tick now, whatever second it is,
// and plan the next wake-ups from the new time.
void ClockTimers::TickNow() {
  if (!m_started) return;
  m_lastTickSecond = std::numeric_limits<std::int64_t>::min();
  OnTimeout();
}

// Back on the screen, the window ticks at once, so that the snapshot it shows
// and works from is of this second, and takes any new minute into its controls.
void ClockTimers::OnScreenChanged() {
  if (!m_started) return;
  Fit();
  if (!m_onScreen->OnScreen()) return;
  OnTimeout();
  m_backOnScreen();
}
