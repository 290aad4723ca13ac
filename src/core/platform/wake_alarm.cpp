#include "core/platform/wake_alarm.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {
constexpr int kTimerFlags = TFD_NONBLOCK | TFD_CLOEXEC;
}  // namespace

WakeAlarm::WakeAlarm(TimerCalls calls) : m_calls(calls) {
  m_fd = m_calls.create(CLOCK_REALTIME_ALARM, kTimerFlags);
  if (m_fd < 0) m_makeError = errno;
}

WakeAlarm::~WakeAlarm() {
  if (m_fd >= 0) close(m_fd);
}

int WakeAlarm::SetAt(std::int64_t moment) {
  // An absolute time of 0 would unset the timer: the earliest moment is 1.
  return Set(moment > 0 ? moment : 1);
}

// A disarmed alarm timer goes on telling its old moment (timerfd_gettime,
// /proc/PID/fdinfo), so that from outside it still looks set to wake the
// computer: a fresh timer takes the old one's descriptor instead, which keeps
// its number for whoever watches it.
int WakeAlarm::Unset() {
  if (m_fd < 0) return m_makeError;
  const int fresh = m_calls.create(CLOCK_REALTIME_ALARM, kTimerFlags);
  if (fresh < 0) return Set(0);
  const bool replaced = dup3(fresh, m_fd, O_CLOEXEC) == m_fd;
  close(fresh);
  return replaced ? 0 : Set(0);
}

int WakeAlarm::Set(std::int64_t moment) {
  if (m_fd < 0) return m_makeError;
  itimerspec when{};
  when.it_value.tv_sec = static_cast<time_t>(moment);
  return m_calls.settime(m_fd, TFD_TIMER_ABSTIME, &when, nullptr) == 0 ? 0 : errno;
}

void WakeAlarm::Acknowledge() {
  if (m_fd < 0) return;
  std::uint64_t expirations = 0;
  [[maybe_unused]] const ssize_t got = read(m_fd, &expirations, sizeof expirations);
}

std::string WakeAlarmAvailability(int makeError) {
  const std::string cannot = "Waking the computer for alarms: not available: ";
  switch (makeError) {
    case 0:
      return "Waking the computer for alarms: available.";
    case EPERM:
      return cannot + "the program lacks the capability CAP_WAKE_ALARM.";
    case EINVAL:
      return cannot + "its clock cannot raise an alarm.";
    default:
      return cannot + std::strerror(makeError) + ".";
  }
}
