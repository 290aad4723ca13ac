#pragma once

#include <cstdint>
#include <string>

#include "core/platform/timer_calls.h"

// A timer that wakes the computer from suspend: a timerfd on
// CLOCK_REALTIME_ALARM, set to a moment of the wall clock. Making one needs
// the capability CAP_WAKE_ALARM (EPERM without it) and a real-time clock that
// can raise an alarm (EINVAL without one). Nothing here throws: a failure is
// kept as its errno, and a timer that could not be made does nothing.
class WakeAlarm {
 public:
  explicit WakeAlarm(TimerCalls calls = {});
  ~WakeAlarm();
  WakeAlarm(const WakeAlarm&) = delete;
  WakeAlarm& operator=(const WakeAlarm&) = delete;

  bool Made() const { return m_fd >= 0; }
  // The timer's descriptor, readable once it has gone off; -1 when not made.
  int Fd() const { return m_fd; }
  // The errno of making it; 0 when it was made.
  int MakeError() const { return m_makeError; }

  // Sets it to go off at the moment (seconds since the epoch, wall clock);
  // a moment already past goes off at once. Returns 0 or the errno.
  int SetAt(std::int64_t moment);
  // Leaves it unset. Returns 0 or the errno.
  int Unset();
  // Takes the word that it went off, so the descriptor is quiet again.
  void Acknowledge();

 private:
  int Set(std::int64_t moment);

  TimerCalls m_calls;
  int m_fd = -1;
  int m_makeError = 0;
};

// Whether this process may wake the computer, as a line for the user: what is
// missing when it may not.
std::string WakeAlarmAvailability(int makeError);
