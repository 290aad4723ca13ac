#pragma once

#include <sys/timerfd.h>

// The system's timerfd calls. A timer takes them as a value, so that a test,
// which cannot set the clock or lack a capability at will, gives its own to
// see how the timer is armed or to play a failure.
struct TimerCalls {
  int (*create)(int clockId, int flags) = timerfd_create;
  int (*settime)(int fd, int flags, const itimerspec* value, itimerspec* old) = timerfd_settime;
};
