#pragma once

#include <QObject>
#include <functional>

#include "core/platform/timer_calls.h"

class QSocketNotifier;

// Tells at once when the wall clock is set (by hand, by NTP stepping it) or the
// computer resumes from suspend, so that the clock can tick without waiting for
// its next planned wake-up. A timerfd on CLOCK_REALTIME with
// TFD_TIMER_CANCEL_ON_SET is cancelled by the kernel on every discontinuous
// change of that clock, resume included; it costs no wake-up in between.
class ClockChangeWatch : public QObject {
  Q_OBJECT

 public:
  ClockChangeWatch(std::function<void()> changed, QObject* parent, TimerCalls calls = {});
  ~ClockChangeWatch() override;
  ClockChangeWatch(const ClockChangeWatch&) = delete;
  ClockChangeWatch& operator=(const ClockChangeWatch&) = delete;

  // Whether the system gave the watch (without it the clock notices a change
  // at its next planned tick).
  bool Watching() const { return m_fd >= 0; }

 private:
  bool Arm();
  void OnReadable();

  TimerCalls m_calls;
  int m_fd = -1;
  QSocketNotifier* m_notifier = nullptr;
  std::function<void()> m_changed;
};
