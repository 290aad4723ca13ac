#include <QEvent>

#include "core/platform/local_clock.h"
#include "gui/app/main_dlg.h"

// The clock ticks once a wall-clock second. Only the first tick of a minute
// must be punctual (it runs the due pass), so while the window is shown a
// coarse repeating timer gives the ordinary ticks, which Qt lets share their
// wake-ups with the caret's blinking, and a precise single-shot timer lands
// just after each minute turns. Minimised (no caret blinks then) the precise
// timer lands just after every second instead.

namespace {
// How long after the second or minute turns the precise timer lands.
constexpr int kTickMarginMs = 3;
constexpr int kMinuteMs = 60 * kClockIntervalMs;
}  // namespace

void CMainDlg::SetUpClockTimers() {
  m_clockTimer.setSingleShot(true);
  m_clockTimer.setTimerType(Qt::PreciseTimer);
  m_coarseTimer.setTimerType(Qt::CoarseTimer);
  m_coarseTimer.setInterval(kClockIntervalMs);
  connect(&m_clockTimer, &QTimer::timeout, this, [this] { OnClockTimeout(); });
  connect(&m_coarseTimer, &QTimer::timeout, this, [this] { OnClockTimeout(); });
}

// Fits the timers to the window's state; called again when it changes.
void CMainDlg::StartClockTimer() {
  if (isMinimized()) {
    m_coarseTimer.stop();
  } else if (!m_coarseTimer.isActive()) {
    m_coarseTimer.start();
  }
  ArmClockTimer();
}

void CMainDlg::ArmClockTimer() {
  const int period = isMinimized() ? kClockIntervalMs : kMinuteMs;
  const auto into = static_cast<int>(GetClock().NowMilliseconds() % period);
  m_clockTimer.start(period - into + kTickMarginMs);
}

// Both timers come here. A second that has had its tick gets no other. The
// tick runs after this slot has returned, so that a pop-up it opens does not
// hold up the timers: the clock goes on under open dialogs.
void CMainDlg::OnClockTimeout() {
  ArmClockTimer();
  const std::int64_t second = GetClock().NowMilliseconds() / kClockIntervalMs;
  if (second == m_lastTickSecond) return;
  m_lastTickSecond = second;
  QMetaObject::invokeMethod(
      this, [this] { OnTimer(IDT_CLOCK); }, Qt::QueuedConnection);
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  StartClockTimer();
  if (!isMinimized()) ShowUnshownMinute();
}
